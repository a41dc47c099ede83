#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int kConnectMs = 1000;
constexpr int kReplyMs = 3000;
const QByteArray kRequest = "activate\n";
const QByteArray kReply = "ok\n";

// The socket's address, or nothing when the path is too long for one.
std::optional<sockaddr_un> addressOf(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    if (bytes.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return address;
}

QString systemError(const char* what, const QString& path)
{
    return QStringLiteral("%1 %2: %3")
        .arg(QString::fromLatin1(what), path, QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

SingleInstance::SingleInstance(const QString& profilePath, QObject* parent)
    : QObject(parent)
    , name_(QDir(lockDirectory(profilePath)).absoluteFilePath(serverName(profilePath)))
{}

SingleInstance::~SingleInstance()
{
    for (const auto& [client, state] : clients_) ::close(client);
    if (server_ < 0) return;
    ::close(server_);
    // As a clean close of the game leaves nothing behind.
    QFile::remove(name_);
}

QString SingleInstance::serverName(const QString& profilePath)
{
    const QByteArray path = QFileInfo(profilePath).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("quintel-slots-") + QString::fromLatin1(hash);
}

QString SingleInstance::lockDirectory(const QString& profilePath)
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat info {};
    if (!runtime.isEmpty() && runtime.startsWith('/') && ::lstat(runtime.constData(), &info) == 0 &&
        S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0)
        return QString::fromLocal8Bit(runtime);
    return QFileInfo(profilePath).absolutePath();
}

SingleInstance::Claim SingleInstance::claim()
{
    // Two games started at the same moment must not both take the name: the check and the listen
    // happen under a lock file, which Qt takes over when the process that held it is gone.
    QDir().mkpath(QFileInfo(name_).absolutePath()); // the profile's folder, on a first start
    QLockFile lock(name_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(10000)) {
        error_ = QStringLiteral("could not lock %1").arg(lock.fileName());
        return Claim::Owned;
    }
    if (const Claim running = askRunningGame(); running != Claim::Owned) return running;
    // Nobody answered: whatever socket file is there was left by a game that ended without closing it.
    QFile::remove(name_);
    if (listen()) connect(serverNotifier_, &QSocketNotifier::activated, this, &SingleInstance::answer);
    return Claim::Owned;
}

bool SingleInstance::listen()
{
    const std::optional<sockaddr_un> address = addressOf(name_);
    if (!address) {
        error_ = QStringLiteral("socket path too long: %1").arg(name_);
        return false;
    }
    server_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (server_ < 0 || ::bind(server_, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0 ||
        ::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(server_, 8) != 0) {
        error_ = systemError("cannot listen on", name_);
        if (server_ >= 0) ::close(server_);
        server_ = -1;
        return false;
    }
    serverNotifier_ = new QSocketNotifier(server_, QSocketNotifier::Read, this);
    return true;
}

SingleInstance::Claim SingleInstance::askRunningGame()
{
    const std::optional<sockaddr_un> address = addressOf(name_);
    if (!address) return Claim::Owned;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return Claim::Owned;
    // A full backlog makes the connect wait, at most this long.
    const timeval connectLimit{kConnectMs / 1000, (kConnectMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &connectLimit, sizeof(connectLimit));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0) {
        ::close(fd);
        return Claim::Owned;
    }
    ::send(fd, kRequest.constData(), static_cast<std::size_t>(kRequest.size()), MSG_NOSIGNAL);
    // A game that accepted the connection is alive even when it is too busy (or still starting) to reply.
    QByteArray reply;
    pollfd readable{fd, POLLIN, 0};
    while (!reply.contains('\n') && ::poll(&readable, 1, kReplyMs) > 0) {
        char buffer[64];
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
        if (n <= 0) break;
        reply.append(buffer, n);
    }
    ::close(fd);
    return reply.left(reply.indexOf('\n') + 1) == kReply ? Claim::Activated : Claim::Busy;
}

void SingleInstance::answer()
{
    for (int client; (client = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0;) {
        auto* notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
        clients_[client] = Client{notifier, {}};
        connect(notifier, &QSocketNotifier::activated, this, [this, client] { readFrom(client); });
    }
}

void SingleInstance::readFrom(int client)
{
    char buffer[64];
    const ssize_t n = ::recv(client, buffer, sizeof(buffer), 0);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (n <= 0) return drop(client);
    QByteArray& received = clients_[client].received;
    received.append(buffer, n);
    const qsizetype end = received.indexOf('\n');
    if (end < 0) {
        // Whatever knocks with more than a request is not a game of ours.
        if (received.size() > kRequest.size()) drop(client);
        return;
    }
    if (received.left(end + 1) == kRequest && activate_) activate_();
    ::send(client, kReply.constData(), static_cast<std::size_t>(kReply.size()), MSG_NOSIGNAL);
    drop(client);
}

void SingleInstance::drop(int client)
{
    const auto it = clients_.find(client);
    if (it == clients_.end()) return;
    // Off before the number is closed and can be handed out again.
    it->second.notifier->setEnabled(false);
    it->second.notifier->deleteLater();
    ::close(client);
    clients_.erase(it);
}
