#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <map>

class QSocketNotifier;

// One game per saved-game file: the first start listens on a local socket named after the profile path;
// a later start on the same file asks that game to come to the front and ends. A socket left behind by
// a killed game answers no one and is replaced. The socket and its lock file live where only the player
// can write (see lockDirectory), so that no other user can keep the game from starting. Plain Unix sockets
// watched by Qt's event loop: Qt's network library would cost every start nine more libraries.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& profilePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket name for a profile: a hash of its absolute path, so that it is short and safe.
    static QString serverName(const QString& profilePath);
    // Where the socket and the lock file go: $XDG_RUNTIME_DIR when it is a directory of this user's
    // that no one else may enter (mode 0700), else the profile's own folder.
    static QString lockDirectory(const QString& profilePath);

    enum class Claim {
        Owned,     // this process now owns the profile and listens for later starts
        Activated, // a running game was reached and has come to the front
        Busy,      // a running game was reached but did not answer in time
    };
    Claim claim();
    // Called on the owning game whenever a later start knocks.
    void onActivate(std::function<void()> activate) { activate_ = std::move(activate); }
    const QString& error() const { return error_; }

private:
    Claim askRunningGame();
    bool listen();
    void answer();
    void readFrom(int client);
    void drop(int client);

    QString name_; // the socket's full path
    QString error_;
    int server_ = -1;
    QSocketNotifier* serverNotifier_ = nullptr;
    struct Client {
        QSocketNotifier* notifier;
        QByteArray received;
    };
    std::map<int, Client> clients_; // each knocking start's socket, and what it sent so far
    std::function<void()> activate_;
};
