#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop (through a self-pipe), so that
// they close the game the same way Quit does.
class SignalBridge : public QObject {
    Q_OBJECT
public:
    explicit SignalBridge(std::function<void()> onSignal, QObject* parent = nullptr);
    ~SignalBridge() override;

private:
    static void handle(int signal);
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};
