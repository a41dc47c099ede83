#include "AboutDialog.h"

#include "DialogLook.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using dialoglook::twips;

const QString AboutDialog::kTitle = QStringLiteral("Quintel Slots 95");
const QString AboutDialog::kVersion = QStringLiteral("v2.0");
namespace {

const char* const kDescriptionSource = QT_TRANSLATE_NOOP(
    "AboutDialog", "QUINTEL SLOTS is a collection of 3 slot machine games: QUINTEL, LUCKY 7 and TREASURE CHEST slots.  "
                   "Each of the games are fun and exciting and will keep you entertained for hours.  "
                   "All 3 games are played from a standard 3 wheel slot machine but have different graphics and "
                   "payoff combinations. ");

} // namespace

const QString AboutDialog::kDescription = QString::fromLatin1(kDescriptionSource);

namespace {

QFrame* captionlessFrame(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken); // the etched line of a frame without caption
    frame->setLineWidth(1);
    frame->setMidLineWidth(0);
    return frame;
}

} // namespace

AboutDialog::AboutDialog(const QString& machineName, const QIcon& icon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("About"));
    setModal(true);
    setFont(dialoglook::windowFont());
    setFixedSize(twips(6540), twips(4695));

    buildDescriptionFrame();
    buildButtonFrame();

    dialoglook::applyClassic(this);
    // White on teal; set after the classic palette so the text box keeps these two roles.
    QPalette teal = text_->palette();
    teal.setColor(QPalette::Base, QColor(0, 128, 128));
    teal.setColor(QPalette::Text, Qt::white);
    text_->setPalette(teal);

    setWindowTitle(tr("About %1 for Windows 95").arg(kTitle));
    restoreDescription();
    setMachineName(machineName);
    setProgramIcon(icon);
    okButton_->setFocus();
    dialoglook::centreOnScreen(this);
}

void AboutDialog::buildDescriptionFrame()
{
    QFrame* frame1 = captionlessFrame(this, "Frame1");
    frame1->setGeometry(twips(120), twips(120), twips(4695), twips(4455));

    const int iconX[2] = {120, 4080};
    for (int i = 0; i < 2; ++i) {
        icons_[i] = new QLabel(frame1);
        icons_[i]->setObjectName(QStringLiteral("AboutIcon%1").arg(i));
        icons_[i]->setGeometry(twips(iconX[i]), twips(240), twips(480), twips(480));
        icons_[i]->setAlignment(Qt::AlignCenter);
    }

    titleLabel_ = new QLabel(frame1);
    titleLabel_->setObjectName(QStringLiteral("label1"));
    titleLabel_->setGeometry(twips(600), twips(240), twips(3495), twips(375));
    titleLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QString label = kTitle + QLatin1Char(' ') + kVersion;
    titleLabel_->setFont(dialoglook::font(titlePointSize(label), true));
    titleLabel_->setText(label);

    text_ = new QPlainTextEdit(frame1);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setGeometry(twips(120), twips(960), twips(4455), twips(3375));
    text_->setFont(dialoglook::font(9.75, false));
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    text_->setTabChangesFocus(true);
    text_->setAccessibleName(tr("Description"));
}

void AboutDialog::buildButtonFrame()
{
    QFrame* frame2 = captionlessFrame(this, "Frame2");
    frame2->setGeometry(twips(4920), twips(120), twips(1575), twips(4455));

    programButton_ = new QPushButton(tr("&Program"), frame2);
    programButton_->setObjectName(QStringLiteral("Command2_0"));
    programButton_->setGeometry(twips(120), twips(480), twips(1335), twips(735));
    programButton_->setFont(dialoglook::font(9.75, false));
    connect(programButton_, &QPushButton::clicked, this, &AboutDialog::restoreDescription);

    okButton_ = new QPushButton(tr("&OK"), frame2);
    okButton_->setObjectName(QStringLiteral("Command2_3"));
    okButton_->setGeometry(twips(120), twips(3360), twips(1335), twips(735));
    okButton_->setFont(dialoglook::font(9.75, false));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::setMachineName(const QString& machineName)
{
    // Only trailing blanks go: the name comes from a fixed-width, space-padded field.
    QString name = machineName;
    while (!name.isEmpty() && name.back() == QLatin1Char(' ')) name.chop(1);
    if (!name.isEmpty()) setWindowTitle(tr("About %1").arg(name));
}

void AboutDialog::setProgramIcon(const QIcon& icon)
{
    setWindowIcon(icon);
    for (QLabel* picture : icons_) {
        if (icon.isNull()) {
            picture->clear();
        } else {
            picture->setPixmap(icon.pixmap(picture->size()));
        }
    }
}

double AboutDialog::titlePointSize(const QString& label) { return label.trimmed().size() > 20 ? 8.0 : 12.0; }

void AboutDialog::restoreDescription() { text_->setPlainText(tr(kDescriptionSource)); }
