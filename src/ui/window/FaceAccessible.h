#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class FaceWidget;
class SlotMachine;
struct SpinOutcome;

// The face as a screen reader reads it: the counters, the bet, the statistics, the pay line, what the
// last spin did, and the two click zones as push buttons. Values are read from the machine when asked;
// the accessibility events that make a screen reader speak are raised only at the moments play
// settles (a stake charged, a spin scored, play idle), never for each credit of a payout's count-up.
class FaceReadout {
    Q_DECLARE_TR_FUNCTIONS(FaceReadout)

public:
    enum Element {
        Credits,
        Wager,
        BonusPool,
        Spins,
        Bet,
        Wagers,
        Winnings,
        Payoff,
        PayLine,
        LastSpin,
        InsertCoin,
        Spin,
        Count
    };

    FaceReadout(FaceWidget& widget, const SlotMachine& machine);

    QString name(int element) const;
    // The amount or symbols shown, as the element's description and value.
    QString value(int element) const;
    QAccessible::Role role(int element) const;
    // Where the element lies on the face, in the widget's coordinates.
    static QRect rect(int element);
    bool isButton(int element) const { return element == InsertCoin || element == Spin; }
    bool enabled(int element) const;
    // Presses a button: exactly what a click on its zone does, once the event loop runs again.
    void press(int element) const;

    // What the face itself says: the last spin's result with its number ("Spin 12: no win"), so that
    // a screen reader, which speaks only changed texts, tells two equal results apart.
    QString summary() const { return summary_; }

    void spinStarting();
    void spinScored(const SpinOutcome& outcome);
    // Raises a name or description change for each element that reads differently since it was last
    // announced.
    void announceChanges();

    // Where the events go: to the screen reader through QAccessible, unless a test listens instead.
    using Announcer = std::function<void(QAccessibleInterface* target, QAccessible::Event event)>;
    void setAnnouncer(Announcer announcer) { announcer_ = std::move(announcer); }

    // What a spin did, after "Last spin: " ("three bells, paid 20.00").
    static QString spinResult(const SpinOutcome& outcome);

private:
    void raise(int child, QAccessible::Event event);

    FaceWidget& widget_;
    const SlotMachine& machine_;
    QString lastSpin_;
    QString summary_;
    bool turning_ = false;
    QString announcedSummary_;
    std::array<std::pair<QString, QString>, Count> announced_;
    Announcer announcer_;
};

// The accessible interface of the face widget, with one child per readout element.
class FaceAccessible : public QAccessibleWidget {
public:
    explicit FaceAccessible(FaceWidget* widget);
    ~FaceAccessible() override;

    // The factory that gives every FaceWidget this interface; installed once by the window.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

private:
    FaceReadout* readout() const;
    mutable std::vector<QAccessible::Id> children_;
};

// One element of the face: a counter, a caption, the pay line, the status or a button.
class FaceElementAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    FaceElementAccessible(FaceWidget* widget, int element);

    int element() const { return element_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    FaceReadout* readout() const;
    QPointer<FaceWidget> widget_;
    int element_;
};
