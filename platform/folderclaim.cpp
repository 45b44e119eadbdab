#include "folderclaim.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QLockFile>

namespace platform {

// What the session bus calls when a later start in the same folder gives way.
class FolderWaker : public QObject {
    Q_OBJECT

public:
    std::function<void()> Wake;

public slots:
    void Raise()
    {
        if (Wake)
            Wake();
    }
};

namespace {

constexpr int WakeTimeoutMs = 2000;

QString wakerPath()
{
    return QStringLiteral("/Folder");
}

// The folder's bytes make the name, so that any spelling of one path meets
// the same game and games in other folders never meet.
QString busNameOf(const QString& folder)
{
    const QByteArray bytes = QFile::encodeName(QDir(folder).canonicalPath());
    return QStringLiteral(DEZUDOR_APP_ID ".Folder")
        + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(24));
}

} // namespace

FolderClaim::FolderClaim(const QString& folder)
    : busName_(busNameOf(folder))
    , lock_(std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral(".dezudor.lock"))))
{
    if (!ownBusName()) {
        heldElsewhere_ = true;
        return;
    }
    if (lock_->tryLock(0))
        return;
    heldElsewhere_ = lock_->error() == QLockFile::LockFailedError;
    if (heldElsewhere_)
        Release();
}

FolderClaim::~FolderClaim() = default;

// False when a game of this session owns the name already: that game is
// woken. True when the name is ours, or when there is no bus to own it on.
bool FolderClaim::ownBusName()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return true;
    // The object is there before the name, so a call never finds the name without it.
    auto waker = std::make_unique<FolderWaker>();
    if (!bus.registerObject(wakerPath(), waker.get(), QDBusConnection::ExportAllSlots))
        return true;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
        busName_, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        waker_ = std::move(waker);
        return true;
    }
    bus.unregisterObject(wakerPath());
    if (!reply.isValid()) // a bus that lends no names: the lock decides alone
        return true;
    bus.call(QDBusMessage::createMethodCall(busName_, wakerPath(), QString(), QStringLiteral("Raise")), QDBus::Block,
        WakeTimeoutMs);
    return false;
}

void FolderClaim::OnWake(std::function<void()> wake)
{
    if (waker_)
        waker_->Wake = std::move(wake);
}

void FolderClaim::Release()
{
    if (waker_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected()) {
            bus.interface()->unregisterService(busName_);
            bus.unregisterObject(wakerPath());
        }
        waker_.reset();
    }
    lock_->unlock();
}

} // namespace platform

#include "folderclaim.moc"
