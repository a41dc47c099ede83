#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The About box: program name and version, a description on teal, and the program icon twice.
// The opener builds it afresh for each showing, passing the display name of the machine in play
// (its caption reads "About " + that name) and the program icon; exec() returns when "&OK" is pressed.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static const QString kTitle;       // "Quintel Slots 95"
    static const QString kVersion;     // "v2.0"
    static const QString kDescription; // the description text, with its spacing kept exactly

    // machineName may carry trailing blanks; an empty name keeps the caption
    // "About Quintel Slots 95 for Windows 95".
    explicit AboutDialog(const QString& machineName = QString(), const QIcon& icon = QIcon(),
                         QWidget* parent = nullptr);

    void setMachineName(const QString& machineName);
    void setProgramIcon(const QIcon& icon);

    // 8 pt when the trimmed label is longer than 20 characters, else 12 pt.
    static double titlePointSize(const QString& label);

private:
    // The left frame (icons, title, description) and the right one (the buttons), in tab order.
    void buildDescriptionFrame();
    void buildButtonFrame();
    void restoreDescription();

    QLabel* icons_[2] = {nullptr, nullptr};
    QLabel* titleLabel_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* programButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
