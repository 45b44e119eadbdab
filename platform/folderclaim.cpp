#include "folderclaim.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace platform {

namespace {

constexpr int WakeTimeoutMs = 2000;

// The folder's bytes name the server, so that any spelling of one path meets
// the same game and games in other folders never meet.
QString serverNameOf(const QString& folder)
{
    const QByteArray bytes = QFile::encodeName(QDir(folder).canonicalPath());
    return QStringLiteral("dezudor-")
        + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(24));
}

// The running game may still be starting up: it listens right after taking
// the lock, so a few tries within a bounded time reach it.
void wakeRunningGame(const QString& serverName)
{
    QLocalSocket socket;
    for (int attempt = 0; attempt < WakeTimeoutMs / 100; ++attempt) {
        socket.connectToServer(serverName);
        if (socket.waitForConnected(100)) {
            socket.write("wake", 4);
            socket.waitForBytesWritten(WakeTimeoutMs);
            socket.disconnectFromServer();
            return;
        }
        socket.abort();
        QThread::msleep(100);
    }
}

} // namespace

FolderClaim::FolderClaim(const QString& folder)
    : serverName_(serverNameOf(folder))
    , lock_(std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral(".dezudor.lock"))))
{
    if (lock_->tryLock(0)) {
        server_ = std::make_unique<QLocalServer>();
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        // A socket left by a killed game: the lock says it is nobody's now.
        QLocalServer::removeServer(serverName_);
        server_->listen(serverName_);
        return;
    }
    heldElsewhere_ = lock_->error() == QLockFile::LockFailedError;
    if (heldElsewhere_)
        wakeRunningGame(serverName_);
}

FolderClaim::~FolderClaim() = default;

void FolderClaim::OnWake(std::function<void()> wake)
{
    if (!server_)
        return;
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this, wake = std::move(wake)] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            wake();
        }
    });
}

void FolderClaim::Release()
{
    server_.reset();
    if (lock_)
        lock_->unlock();
}

} // namespace platform
