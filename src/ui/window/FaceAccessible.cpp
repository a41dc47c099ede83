#include "FaceAccessible.h"

#include <QTimer>
#include <QWindow>

#include "EngineTextTr.h"
#include "Face.h"
#include "FaceWidget.h"
#include "MachineNames.h"
#include "NumberLayout.h"
#include "SlotMachine.h"
#include "SpinOutcome.h"

namespace {

QString grouped(Money m) { return QString::fromStdString(NumberLayout::format(m.toDouble(), "###,###,##0.00")); }

QString money(Money m) { return QString::fromStdString(m.toString()); }

} // namespace

// ---- the readout ---------------------------------------------------------------------------

FaceReadout::FaceReadout(FaceWidget& widget, const SlotMachine& machine)
    : widget_(widget)
    , machine_(machine)
    , lastSpin_(tr("Last spin: %1").arg(tr("none")))
{}

QString FaceReadout::name(int element) const
{
    switch (element) {
    case Credits:
        return tr("Credits");
    case Wager:
        return tr("Wager");
    case BonusPool:
        return tr("Bonus Pool");
    case Spins:
        return tr("Spins");
    case Bet:
        return tr("Bet %1").arg(value(Bet));
    case Wagers:
        return tr("Wagers");
    case Winnings:
        return tr("Winnings");
    case Payoff:
        return tr("Payoff");
    case PayLine:
        return tr("Pay line");
    case LastSpin:
        return lastSpin_;
    case InsertCoin:
        return tr("Insert Coin");
    case Spin:
        return tr("Spin");
    default:
        return {};
    }
}

QString FaceReadout::value(int element) const
{
    const GameState& s = machine_.state();
    switch (element) {
    // The counters read what they show, which may lag the machine (the last stake stays up after a spin).
    case Credits:
        return money(widget_.face().shownCredits());
    case Wager:
        return money(widget_.face().shownWager());
    case BonusPool:
        return money(widget_.face().shownPool());
    case Spins:
        return QString::number(s.machineSpins());
    case Bet:
        return QString::fromLatin1(s.bet().label);
    case Wagers:
        return grouped(s.machineWagers());
    case Winnings:
        return grouped(s.machinePaid());
    case Payoff:
        return QString::fromStdString(NumberLayout::format(payoffPercentage(s), "#,##0.00")) + QLatin1Char('%');
    case PayLine: {
        if (turning_) return tr("Spinning");
        // The reels rest on the stops of the last spin's final frame.
        const ReelSet& reels = machine_.reels();
        QStringList names;
        for (int r = 0; r < kReelCount; ++r) {
            names << machineText(symbolName(reels.machine, reels.symbolAt(r, machine_.plan().stopOfReel(r))));
        }
        return names.join(QStringLiteral(", "));
    }
    case InsertCoin:
        return tr("Stakes one %1 coin").arg(QString::fromLatin1(s.bet().label));
    case Spin:
        return tr("Spins with the coins inserted, or the last bet again");
    default:
        return {};
    }
}

QAccessible::Role FaceReadout::role(int element) const
{
    if (isButton(element)) return QAccessible::Button;
    if (element == LastSpin) return QAccessible::StatusBar;
    return QAccessible::StaticText;
}

QRect FaceReadout::rect(int element)
{
    switch (element) {
    case Credits:
        return QRect(33, 52, 172, 21);
    case Wager:
        return QRect(212, 52, 121, 21);
    case BonusPool:
        return QRect(59, 1, 205, 47);
    case Spins:
        return QRect(450, 220, 102, 60);
    case Bet:
        return QRect(268, 10, 64, 32);
    case Wagers:
        return QRect(356, 35, 192, 22);
    case Winnings:
        return QRect(356, 60, 192, 22);
    case Payoff:
        return QRect(356, 85, 192, 22);
    case PayLine:
        return QRect(55, 83, 254, 132);
    case LastSpin:
        return QRect(42, 240, 280, 180);
    case InsertCoin:
        return FaceWidget::kCoinZone;
    case Spin:
        return FaceWidget::kSpinZone;
    default:
        return {};
    }
}

bool FaceReadout::enabled(int element) const { return !isButton(element) || machine_.state().spinEnabled; }

void FaceReadout::press(int element) const
{
    if (!isButton(element)) return;
    const int zone = element == Spin ? 0 : 1;
    // Queued, so that the screen reader's call returns at once instead of waiting for the spin.
    QPointer<FaceWidget> widget(&widget_);
    QTimer::singleShot(0, &widget_, [widget, zone] {
        if (widget && widget->zoneClicked) widget->zoneClicked(zone);
    });
}

void FaceReadout::spinStarting()
{
    turning_ = true;
    announceChanges();
}

void FaceReadout::spinScored(const SpinOutcome& outcome)
{
    turning_ = false;
    const QString result = spinResult(outcome);
    lastSpin_ = tr("Last spin: %1").arg(result);
    summary_ = tr("Spin %1: %2").arg(machine_.state().machineSpins()).arg(result);
    announceChanges();
}

QString FaceReadout::spinResult(const SpinOutcome& outcome)
{
    if (outcome.freeSpinsStart) return tr("free spins start");
    if (outcome.paid <= Money() && outcome.poolWon <= Money())
        return outcome.freeSpin ? tr("no win, free spins go on") : tr("no win");
    const std::string english = combinationName(outcome.machine, outcome.combo);
    QString combo = machineText(english);
    // Mid-sentence in English; a translated name keeps its own capitals (German nouns).
    if (!combo.isEmpty() && combo == QString::fromStdString(english)) combo[0] = combo[0].toLower();
    return outcome.poolWon > Money()
               ? tr("%1, paid %2, bonus pool won, %3").arg(combo, money(outcome.paid), money(outcome.poolWon))
               : tr("%1, paid %2").arg(combo, money(outcome.paid));
}

void FaceReadout::raise(int child, QAccessible::Event event)
{
    // Without a screen reader nobody listens: no interfaces are made for nothing.
    if (!announcer_ && !QAccessible::isActive()) return;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget_);
    if (!face) return;
    QAccessibleInterface* target = child < 0 ? face : face->child(child);
    if (!target) return;
    if (announcer_) {
        announcer_(target, event);
        return;
    }
    QAccessibleEvent e(target, event);
    QAccessible::updateAccessibility(&e);
}

void FaceReadout::announceChanges()
{
    for (int i = 0; i < Count; ++i) {
        auto& [announcedName, announcedValue] = announced_[static_cast<std::size_t>(i)];
        const QString n = name(i);
        const QString v = value(i);
        if (n != announcedName) {
            announcedName = n;
            raise(i, QAccessible::NameChanged);
        }
        if (v != announcedValue) {
            announcedValue = v;
            raise(i, QAccessible::DescriptionChanged);
        }
    }
    // The face keeps the keyboard focus while playing, so its own description is what gets spoken.
    if (summary_ != announcedSummary_) {
        announcedSummary_ = summary_;
        raise(-1, QAccessible::DescriptionChanged);
    }
}

// ---- the face's interface ------------------------------------------------------------------

FaceAccessible::FaceAccessible(FaceWidget* widget)
    : QAccessibleWidget(widget, QAccessible::Pane, FaceReadout::tr("Slot machine"))
{}

FaceAccessible::~FaceAccessible()
{
    for (QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* FaceAccessible::factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("FaceWidget") && object && object->isWidgetType()) {
        return new FaceAccessible(static_cast<FaceWidget*>(object));
    }
    return nullptr;
}

FaceReadout* FaceAccessible::readout() const
{
    auto* w = qobject_cast<FaceWidget*>(object());
    return w ? w->readout() : nullptr;
}

int FaceAccessible::childCount() const { return readout() ? FaceReadout::Count : 0; }

QAccessibleInterface* FaceAccessible::child(int index) const
{
    if (index < 0 || index >= childCount()) return nullptr;
    if (children_.empty()) {
        auto* w = static_cast<FaceWidget*>(object());
        for (int i = 0; i < FaceReadout::Count; ++i) {
            children_.push_back(QAccessible::registerAccessibleInterface(new FaceElementAccessible(w, i)));
        }
    }
    return QAccessible::accessibleInterface(children_[static_cast<std::size_t>(index)]);
}

int FaceAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* element = dynamic_cast<const FaceElementAccessible*>(child);
    return element && element->parent() == this ? element->element() : -1;
}

QAccessibleInterface* FaceAccessible::childAt(int x, int y) const
{
    auto* w = static_cast<FaceWidget*>(object());
    const QPoint local = w->mapFromGlobal(QPoint(x, y));
    // Buttons first: the click zones lie over the counters' captions.
    for (int i : {FaceReadout::Spin, FaceReadout::InsertCoin}) {
        if (FaceReadout::rect(i).contains(local)) return child(i);
    }
    for (int i = 0; i < childCount(); ++i) {
        if (FaceReadout::rect(i).contains(local)) return child(i);
    }
    return nullptr;
}

QString FaceAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description && readout()) return readout()->summary();
    return QAccessibleWidget::text(t);
}

// ---- one element ---------------------------------------------------------------------------

FaceElementAccessible::FaceElementAccessible(FaceWidget* widget, int element)
    : widget_(widget)
    , element_(element)
{}

FaceReadout* FaceElementAccessible::readout() const { return widget_ ? widget_->readout() : nullptr; }

bool FaceElementAccessible::isValid() const { return readout() != nullptr; }

QWindow* FaceElementAccessible::window() const { return widget_ ? widget_->window()->windowHandle() : nullptr; }

QAccessibleInterface* FaceElementAccessible::parent() const
{
    return widget_ ? QAccessible::queryAccessibleInterface(widget_.data()) : nullptr;
}

QString FaceElementAccessible::text(QAccessible::Text t) const
{
    const FaceReadout* r = readout();
    if (!r) return {};
    switch (t) {
    case QAccessible::Name:
        return r->name(element_);
    case QAccessible::Description:
    case QAccessible::Value:
        return r->value(element_);
    default:
        return {};
    }
}

QRect FaceElementAccessible::rect() const
{
    if (!widget_) return {};
    const QRect r = FaceReadout::rect(element_);
    return QRect(widget_->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::Role FaceElementAccessible::role() const
{
    const FaceReadout* r = readout();
    return r ? r->role(element_) : QAccessible::NoRole;
}

QAccessible::State FaceElementAccessible::state() const
{
    QAccessible::State s;
    const FaceReadout* r = readout();
    if (!r || !widget_) {
        s.invalid = true;
        return s;
    }
    s.invisible = !widget_->isVisible();
    s.disabled = !r->enabled(element_);
    s.readOnly = !r->isButton(element_);
    return s;
}

void* FaceElementAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface && readout() && readout()->isButton(element_)) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

QStringList FaceElementAccessible::actionNames() const
{
    const FaceReadout* r = readout();
    if (!r || !r->isButton(element_)) return {};
    return {pressAction()};
}

void FaceElementAccessible::doAction(const QString& actionName)
{
    FaceReadout* r = readout();
    if (r && actionName == pressAction() && r->enabled(element_)) r->press(element_);
}

QStringList FaceElementAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != pressAction()) return {};
    if (element_ == FaceReadout::Spin) return {QStringLiteral("Return")};
    if (element_ == FaceReadout::InsertCoin) return {QStringLiteral("B")};
    return {};
}
