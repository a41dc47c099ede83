#include "HelpWindow.h"

#include "DialogLook.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& manualPath, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , path_(manualPath)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Quintel Slots 95 Manual"));
    setFont(dialoglook::windowFont());

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("Browser"));
    browser_->setOpenExternalLinks(true);
    browser_->setFont(dialoglook::font(10, false));
    browser_->setAccessibleName(tr("Manual"));

    backButton_ = new QPushButton(tr("&Back"), this);
    backButton_->setObjectName(QStringLiteral("Back"));
    backButton_->setEnabled(false);
    homeButton_ = new QPushButton(tr("&Home"), this);
    homeButton_->setObjectName(QStringLiteral("Home"));
    closeButton_ = new QPushButton(tr("&Close"), this);
    closeButton_->setObjectName(QStringLiteral("Close"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backButton_);
    buttons->addWidget(homeButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    connect(backButton_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(homeButton_, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QPushButton::setEnabled);
    // Escape closes it like every dialog, wherever the focus is in it.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    const QFileInfo file(manualPath);
    found_ = !manualPath.isEmpty() && file.isFile() && file.isReadable();
    if (found_) {
        browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    } else {
        browser_->setPlainText(missingText(manualPath));
        homeButton_->setEnabled(false);
    }

    dialoglook::applyClassic(this);
    resize(640, 560);
}

QString HelpWindow::missingText(const QString& manualPath)
{
    return tr("The manual could not be found at %1.").arg(manualPath);
}
