#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The game's manual, an HTML file, in a window of its own that stays open beside the game.
// A missing or unreadable file shows a message naming the path instead.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& manualPath, QWidget* parent = nullptr);

    bool manualFound() const { return found_; }
    QString manualPath() const { return path_; }

    // The text shown when the manual is missing.
    static QString missingText(const QString& manualPath);

private:
    QString path_;
    bool found_ = false;
    QTextBrowser* browser_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* homeButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};
