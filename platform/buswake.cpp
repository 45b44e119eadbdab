#include "buswake.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFile>

namespace platform {

// What the session bus calls when a later start in the same folder gives way.
class BusWakeTarget : public QObject {
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

QString targetPath()
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

BusWake::BusWake(const QString& folder)
    : name_(busNameOf(folder))
{
}

BusWake::~BusWake() = default;

BusWake::Name BusWake::Own()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Name::None;
    // The object is there before the name, so a call never finds the name without it.
    auto target = std::make_unique<BusWakeTarget>();
    if (!bus.registerObject(targetPath(), target.get(), QDBusConnection::ExportAllSlots))
        return Name::None;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
        name_, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        target_ = std::move(target);
        return Name::Ours;
    }
    bus.unregisterObject(targetPath());
    return reply.isValid() ? Name::Taken : Name::None;
}

bool BusWake::WakeOwner(int waitMs) const
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(name_, targetPath(), QString(), QStringLiteral("Raise")), QDBus::Block, waitMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

void BusWake::OnWake(std::function<void()> wake)
{
    if (target_)
        target_->Wake = std::move(wake);
}

void BusWake::Release()
{
    if (!target_)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        bus.interface()->unregisterService(name_);
        bus.unregisterObject(targetPath());
    }
    target_.reset();
}

} // namespace platform

#include "buswake.moc"
