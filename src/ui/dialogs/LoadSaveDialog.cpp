#include "LoadSaveDialog.h"

#include "DialogLook.h"
#include "SlotNameEdit.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

using dialoglook::twips;

LoadSaveDialog::LoadSaveDialog(Mode mode, const SlotNames& names, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
    , mode_(mode)
{
    setObjectName(QStringLiteral("LoadSave"));
    setModal(true);
    setFont(dialoglook::windowFont());
    setFixedSize(twips(4680), twips(4035));
    setWindowTitle(mode == Mode::Load ? tr("Load a Game") : tr("Save a Game"));

    nameLabel_ = new QLabel(tr("Name of Game:"), this);
    nameLabel_->setObjectName(QStringLiteral("Label1"));
    nameLabel_->setGeometry(twips(120), twips(120), twips(1935), twips(375));
    nameLabel_->setFont(dialoglook::font(9.75, true));
    nameLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    nameLabel_->hide();

    nameBox_ = new SlotNameEdit(this);
    nameBox_->setObjectName(QStringLiteral("Text1"));
    nameBox_->setGeometry(twips(120 + 2040), twips(120), twips(2415), twips(375));
    nameBox_->setCharacterLimit(kNameLimit);
    nameBox_->hide();
    nameLabel_->setBuddy(nameBox_); // a screen reader names the box by its label

    addSlotButtons(names);

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1->setGeometry(twips(120), twips(3120), twips(4455), twips(855));

    cancelButton_ = new QPushButton(tr("&Cancel"), frame1);
    cancelButton_->setObjectName(QStringLiteral("Command2"));
    cancelButton_->setGeometry(twips(240), twips(240), twips(1815), twips(495));
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    okButton_ = new QPushButton(tr("&OK"), frame1);
    okButton_->setObjectName(QStringLiteral("Command3"));
    okButton_->setGeometry(twips(2400), twips(240), twips(1815), twips(495));
    okButton_->hide();
    connect(okButton_, &QPushButton::clicked, this, &LoadSaveDialog::okClicked);

    QWidget* previous = slotButtons_[0];
    for (int k = 1; k < kSlotCount; ++k) {
        setTabOrder(previous, slotButtons_[k]);
        previous = slotButtons_[k];
    }
    setTabOrder(previous, nameBox_);
    setTabOrder(nameBox_, cancelButton_);
    setTabOrder(cancelButton_, okButton_);

    dialoglook::applyClassic(this);
    for (int k = 0; k < kSlotCount; ++k) showCaption(slotButtons_[k], captions_[k]);
    slotButtons_[0]->setFocus();
    dialoglook::centreOnScreen(this);
}

void LoadSaveDialog::addSlotButtons(const SlotNames& names)
{
    const int rowY[5] = {720, 1200, 1680, 2160, 2640};
    for (int k = 0; k < kSlotCount; ++k) {
        captions_[k] = slotCaption(k, names[k]);
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(k));
        button->setAccessibleName(captions_[k]);
        button->setGeometry(twips(k < 5 ? 120 : 2400), twips(rowY[k % 5]), twips(2175), twips(375));
        button->setFont(dialoglook::font(8.25, false));
        connect(button, &QPushButton::clicked, this, [this, k] { slotClicked(k); });
        slotButtons_[k] = button;
    }
}

QString LoadSaveDialog::slotCaption(int slot, const std::optional<std::string>& name)
{
    const QString stored = name ? QString::fromStdString(*name).trimmed() : QString();
    if (stored.isEmpty()) return tr("Game #%1").arg(slot + 1);
    return stored;
}

void LoadSaveDialog::showCaption(QPushButton* button, const QString& caption)
{
    // A name wider than the button ends in "…" and is shown whole as the tooltip (the screen reader reads
    // the accessible name, always the whole name).
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle* style = button->style();
    const int room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() -
                     style->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    const QString shown = button->fontMetrics().elidedText(caption, Qt::ElideRight, room);
    button->setToolTip(shown == caption ? QString() : caption);
    // A stored "&" is shown, not taken as a keyboard accelerator.
    button->setText(QString(shown).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

std::string LoadSaveDialog::savedName() const
{
    return SlotNameEdit::leftCharacters(nameBox_->text().trimmed(), kNameLimit).trimmed().toStdString();
}

void LoadSaveDialog::slotClicked(int slot)
{
    if (mode_ == Mode::Load) {
        selectedLoadSlot_ = slot;
        accept();
        return;
    }
    selectedSaveSlot_ = slot;
    nameLabel_->show();
    nameBox_->setText(captions_[slot]);
    nameBox_->show();
    okButton_->show();
    okButton_->setDefault(true);
    if (nameBox_->hasFocus()) {
        nameBox_->selectName(); // no focus-in event comes when it already has the focus
    } else {
        nameBox_->setFocus(Qt::OtherFocusReason);
    }
}

void LoadSaveDialog::okClicked()
{
    if (nameBox_->text().trimmed().isEmpty()) selectedSaveSlot_ = -1;
    accept();
}

void LoadSaveDialog::reject()
{
    // Cancel, Escape or the close box: nothing is loaded or saved.
    selectedLoadSlot_ = -1;
    selectedSaveSlot_ = -1;
    QDialog::reject();
}
