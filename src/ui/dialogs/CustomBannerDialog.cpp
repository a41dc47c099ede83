#include "CustomBannerDialog.h"

#include "DialogLook.h"

#include <QPlainTextEdit>
#include <QPushButton>

using dialoglook::twips;

CustomBannerDialog::CustomBannerDialog(const std::string& currentText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("CustomBanner"));
    setModal(true);
    setFont(dialoglook::windowFont());
    setFixedSize(twips(7365), twips(2250));
    setWindowTitle(tr("Change the Banner Text"));

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setGeometry(twips(240), twips(120), twips(6855), twips(1455));
    text_->setFont(dialoglook::font(12, false));
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setTabChangesFocus(true);
    text_->setAccessibleName(tr("Banner text"));
    text_->setPlainText(QString::fromStdString(currentText));

    okButton_ = new QPushButton(tr("&OK"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setGeometry(twips(1440), twips(1680), twips(4455), twips(495));
    okButton_->setFont(dialoglook::font(12, true));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    dialoglook::applyClassic(this);
    text_->setFocus();
    dialoglook::centreOnScreen(this);
}

QString CustomBannerDialog::normalise(const QString& text)
{
    QString line;
    line.reserve(text.size() + kTrailingBlanks);
    for (QChar c : text) line.append(c.category() == QChar::Other_Control ? QChar(u' ') : c);
    return line.trimmed() + QString(kTrailingBlanks, QChar(u' '));
}

std::string CustomBannerDialog::bannerText() const { return normalise(text_->toPlainText()).toStdString(); }
