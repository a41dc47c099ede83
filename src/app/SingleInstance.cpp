#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kConnectMs = 1000;
constexpr int kReplyMs = 3000;
const QByteArray kRequest = "activate\n";
const QByteArray kReply = "ok\n";
} // namespace

SingleInstance::SingleInstance(const QString& profilePath, QObject* parent)
    : QObject(parent)
    , name_(QDir(lockDirectory(profilePath)).absoluteFilePath(serverName(profilePath)))
{}

SingleInstance::~SingleInstance() = default;

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
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        error_ = server_->errorString();
        return Claim::Owned;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
    return Claim::Owned;
}

SingleInstance::Claim SingleInstance::askRunningGame()
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMs)) return Claim::Owned;
    socket.write(kRequest);
    socket.waitForBytesWritten(kReplyMs);
    // A game that accepted the connection is alive even when it is too busy (or still starting) to reply.
    while (!socket.canReadLine() && socket.waitForReadyRead(kReplyMs)) {}
    return socket.canReadLine() && socket.readLine() == kReply ? Claim::Activated : Claim::Busy;
}

void SingleInstance::answer()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            if (socket->readLine() == kRequest && activate_) activate_();
            socket->write(kReply);
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}
