#pragma once

#include <QDialog>
#include <QString>

#include <string>

class QPlainTextEdit;
class QPushButton;

// Edits the banner text. The opener builds it with the current text and, when exec() returns
// QDialog::Accepted ("&OK"), takes bannerText() as the new banner. Escape rejects and changes nothing.
class CustomBannerDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTrailingBlanks = 20;

    explicit CustomBannerDialog(const std::string& currentText, QWidget* parent = nullptr);

    // The edited text with line breaks and other control characters turned into blanks, surrounding
    // blanks removed and 20 blanks appended (they lengthen the gap before the text comes round again).
    std::string bannerText() const;

    static QString normalise(const QString& text);

private:
    QPlainTextEdit* text_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
