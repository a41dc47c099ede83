#include "PlaySettingsDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "DialogLook.h"

namespace {

constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

void setUp(QDialog* dialog, const QString& name, const QString& title)
{
    dialog->setObjectName(name);
    dialog->setModal(true);
    dialog->setFont(dialoglook::windowFont());
    dialog->setWindowTitle(title);
}

void finish(QDialog* dialog, QVBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName(QStringLiteral("buttons"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    dialoglook::applyClassic(dialog);
    dialog->adjustSize();
    dialoglook::centreOnScreen(dialog);
}

QSpinBox* amountBox(QWidget* parent, const QString& name, Money amount, int fallback)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, static_cast<int>(PlaySettings::kMaxAmount));
    box->setPrefix(QStringLiteral("$"));
    box->setValue(amount > Money() ? static_cast<int>(std::max<std::int64_t>(1, amount.roundedCredits())) : fallback);
    return box;
}

// A check box with an amount after it; the amount is usable only while the box is checked.
QHBoxLayout* checkedAmount(QCheckBox* check, QSpinBox* amount)
{
    auto* row = new QHBoxLayout;
    row->addWidget(check);
    row->addWidget(amount);
    row->addStretch();
    amount->setEnabled(check->isChecked());
    QObject::connect(check, &QCheckBox::toggled, amount, &QWidget::setEnabled);
    return row;
}

Money amountIf(const QCheckBox* check, const QSpinBox* amount)
{
    return check->isChecked() ? Money::fromCredits(amount->value()) : Money();
}

} // namespace

// ---- auto play -----------------------------------------------------------------------------

AutoPlayDialog::AutoPlayDialog(const PlaySettings& current, QWidget* parent)
    : QDialog(parent, kDialogFlags)
    , current_(current.sanitised())
{
    setUp(this, QStringLiteral("AutoPlaySettings"), tr("Auto Play Settings"));
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    spins_ = new QComboBox(this);
    spins_->setObjectName(QStringLiteral("cmbSpins"));
    for (int n : PlaySettings::kSpinChoices) {
        spins_->addItem(n > 0 ? QString::number(n) : tr("Until stopped"), n);
    }
    spins_->setCurrentIndex(spins_->findData(current_.autoSpins));
    form->addRow(tr("Spins per run:"), spins_);
    layout->addLayout(form);

    auto* stops = new QLabel(tr("Stop the run:"), this);
    layout->addWidget(stops);
    anyWin_ = new QCheckBox(tr("On any win"), this);
    anyWin_->setObjectName(QStringLiteral("chkAnyWin"));
    anyWin_->setChecked(current_.stopOnAnyWin);
    layout->addWidget(anyWin_);

    winOf_ = new QCheckBox(tr("On a single win of at least"), this);
    winOf_->setObjectName(QStringLiteral("chkWinOf"));
    winOf_->setChecked(current_.stopOnWinOf > Money());
    winOfAmount_ = amountBox(this, QStringLiteral("spnWinOf"), current_.stopOnWinOf, 100);
    winOfAmount_->setAccessibleName(tr("Smallest win that stops the run"));
    layout->addLayout(checkedAmount(winOf_, winOfAmount_));

    below_ = new QCheckBox(tr("When credits fall below"), this);
    below_->setObjectName(QStringLiteral("chkBelow"));
    below_->setChecked(current_.stopBelowCredits > Money());
    belowAmount_ = amountBox(this, QStringLiteral("spnBelow"), current_.stopBelowCredits, 100);
    belowAmount_->setAccessibleName(tr("Credits below which the run stops"));
    layout->addLayout(checkedAmount(below_, belowAmount_));

    pool_ = new QCheckBox(tr("When the bonus pool is won"), this);
    pool_->setObjectName(QStringLiteral("chkPool"));
    pool_->setChecked(current_.stopOnBonusPool);
    layout->addWidget(pool_);
    freeSpins_ = new QCheckBox(tr("When free spins start"), this);
    freeSpins_->setObjectName(QStringLiteral("chkFreeSpins"));
    freeSpins_->setChecked(current_.stopOnFreeSpins);
    layout->addWidget(freeSpins_);

    auto* note = new QLabel(tr("Escape, Space or a click on the reels ends a run after the spin in play.\n"
                               "Auto play never borrows."),
                            this);
    layout->addWidget(note);
    finish(this, layout);
}

PlaySettings AutoPlayDialog::settings() const
{
    PlaySettings s = current_;
    s.autoSpins = spins_->currentData().toInt();
    s.stopOnAnyWin = anyWin_->isChecked();
    s.stopOnWinOf = amountIf(winOf_, winOfAmount_);
    s.stopBelowCredits = amountIf(below_, belowAmount_);
    s.stopOnBonusPool = pool_->isChecked();
    s.stopOnFreeSpins = freeSpins_->isChecked();
    return s;
}

// ---- volume --------------------------------------------------------------------------------

VolumeDialog::VolumeDialog(int effects, int music, std::function<void(int, int)> apply, QWidget* parent)
    : QDialog(parent, kDialogFlags)
    , openedEffects_(std::clamp(effects, 0, 100))
    , openedMusic_(std::clamp(music, 0, 100))
    , apply_(std::move(apply))
{
    setUp(this, QStringLiteral("Volume"), tr("Volume"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto slider = [&](const QString& name, const QString& accessible, int value, QLabel*& shown) {
        auto* s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(name);
        s->setAccessibleName(accessible);
        s->setRange(0, 100);
        s->setPageStep(10);
        s->setMinimumWidth(200);
        s->setValue(value);
        shown = new QLabel(this);
        shown->setMinimumWidth(40);
        auto* row = new QHBoxLayout;
        row->addWidget(s);
        row->addWidget(shown);
        connect(s, &QSlider::valueChanged, this, &VolumeDialog::applyNow);
        return std::make_pair(s, row);
    };
    auto [e, effectsRow] = slider(QStringLiteral("sldEffects"), tr("Effects volume"), openedEffects_, effectsValue_);
    auto [m, musicRow] = slider(QStringLiteral("sldMusic"), tr("Music volume"), openedMusic_, musicValue_);
    effects_ = e;
    music_ = m;
    form->addRow(tr("Effects:"), effectsRow);
    form->addRow(tr("Music:"), musicRow);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("M switches all sound on and off."), this));
    effectsValue_->setText(QStringLiteral("%1 %").arg(openedEffects_));
    musicValue_->setText(QStringLiteral("%1 %").arg(openedMusic_));
    finish(this, layout);
}

int VolumeDialog::effects() const { return effects_->value(); }
int VolumeDialog::music() const { return music_->value(); }

void VolumeDialog::applyNow()
{
    effectsValue_->setText(QStringLiteral("%1 %").arg(effects()));
    musicValue_->setText(QStringLiteral("%1 %").arg(music()));
    if (apply_) apply_(effects(), music());
}

void VolumeDialog::reject()
{
    if (apply_ && (effects() != openedEffects_ || music() != openedMusic_)) apply_(openedEffects_, openedMusic_);
    QDialog::reject();
}

// ---- reminders -----------------------------------------------------------------------------

RemindersDialog::RemindersDialog(const PlaySettings& current, const QString& sessionSummary, QWidget* parent)
    : QDialog(parent, kDialogFlags)
    , current_(current.sanitised())
{
    setUp(this, QStringLiteral("Reminders"), tr("Reminders"));
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(sessionSummary, this);
    summary->setObjectName(QStringLiteral("lblSession"));
    layout->addWidget(summary);

    auto* form = new QFormLayout;
    every_ = new QComboBox(this);
    every_->setObjectName(QStringLiteral("cmbEvery"));
    for (int minutes : PlaySettings::kReminderChoices) {
        every_->addItem(minutes > 0 ? tr("Every %1 minutes").arg(minutes) : tr("Off"), minutes);
    }
    every_->setCurrentIndex(every_->findData(current_.reminderMinutes));
    form->addRow(tr("Time and money reminder:"), every_);
    layout->addLayout(form);

    limit_ = new QCheckBox(tr("Stop play when this session has lost"), this);
    limit_->setObjectName(QStringLiteral("chkLossLimit"));
    limit_->setChecked(current_.lossLimit > Money());
    limitAmount_ = amountBox(this, QStringLiteral("spnLossLimit"), current_.lossLimit, 100);
    limitAmount_->setAccessibleName(tr("Session loss limit"));
    layout->addLayout(checkedAmount(limit_, limitAmount_));
    finish(this, layout);
}

PlaySettings RemindersDialog::settings() const
{
    PlaySettings s = current_;
    s.reminderMinutes = every_->currentData().toInt();
    s.lossLimit = amountIf(limit_, limitAmount_);
    return s;
}
