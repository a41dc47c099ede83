#include "FaceAccessible.h"

#include <QTimer>
#include <QWindow>

#include "EngineTextTr.h"
#include "Face.h"
#include "FaceLayout.h"
#include "FaceWidget.h"
#include "MachineNames.h"
#include "NumberLayout.h"
#include "SlotMachine.h"
#include "SpinOutcome.h"

namespace {

QString grouped(Money m) { return QString::fromStdString(NumberLayout::format(m.toDouble(), "###,###,##0.00")); }

QString money(Money m) { return QString::fromStdString(m.toString()); }

// Each element's name, where it lies and, for a button, its key. The bet's name takes its label; the
// last spin's is its result.
struct ElementEntry {
    const char* name;
    QRect rect;
    const char* key;
};

constexpr std::array<ElementEntry, FaceReadout::Count> kElements{{
    {QT_TRANSLATE_NOOP("FaceReadout", "Credits"), FaceLayout::kCredits, nullptr},
    {QT_TRANSLATE_NOOP("FaceReadout", "Wager"), FaceLayout::kWager, nullptr},
    {QT_TRANSLATE_NOOP("FaceReadout", "Bonus Pool"), FaceLayout::kBonusPool, nullptr},
    {QT_TRANSLATE_NOOP("FaceReadout", "Spins"), FaceLayout::kSpins, nullptr},
    {QT_TRANSLATE_NOOP("FaceReadout", "Bet %1"), FaceLayout::kBet, nullptr},
    {QT_TRANSLATE_NOOP("FaceReadout", "Wagers"), FaceLayout::kWagers, nullptr},
    {QT_TRANSLATE_NOOP("FaceReadout", "Winnings"), FaceLayout::kWinnings, nullptr},
    {QT_TRANSLATE_NOOP("FaceReadout", "Payoff"), FaceLayout::kPayoff, nullptr},
    {QT_TRANSLATE_NOOP("FaceReadout", "Pay line"), FaceLayout::kReels, nullptr},
    {nullptr, FaceLayout::kPayoffTable, nullptr},
    {QT_TRANSLATE_NOOP("FaceReadout", "Insert Coin"), FaceWidget::kCoinZone, "B"},
    {QT_TRANSLATE_NOOP("FaceReadout", "Spin"), FaceWidget::kSpinZone, "Return"},
}};

} // namespace

// ---- the readout ---------------------------------------------------------------------------

FaceReadout::FaceReadout(FaceWidget& widget, const SlotMachine& machine)
    : widget_(widget)
    , machine_(machine)
    , lastSpin_(tr("Last spin: %1").arg(tr("none")))
{}

QString FaceReadout::name(int element) const
{
    if (element < 0 || element >= Count) return {};
    if (element == LastSpin) return lastSpin_;
    const QString n = tr(kElements[static_cast<std::size_t>(element)].name);
    return element == Bet ? n.arg(value(Bet)) : n;
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
    return element >= 0 && element < Count ? kElements[static_cast<std::size_t>(element)].rect : QRect();
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
    const char* key = kElements[static_cast<std::size_t>(element_)].key;
    return key ? QStringList{QString::fromLatin1(key)} : QStringList();
}
