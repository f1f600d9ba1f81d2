#include "platform/UDisksEjector.h"

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QMap>
#include <QVariantMap>
#include <optional>
#include <sys/mount.h>

namespace marklode {

namespace {

const QString service = QStringLiteral("org.freedesktop.UDisks2");
const QString blockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString filesystemInterface = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString driveInterface = QStringLiteral("org.freedesktop.UDisks2.Drive");

using Interfaces = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QString, Interfaces>;

// a{oa{sa{sv}}}, read by hand so that no types need registering.
ManagedObjects managedObjects(const QDBusMessage& reply) {
    ManagedObjects objects;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return objects;
    const QDBusArgument argument = reply.arguments().front().value<QDBusArgument>();
    argument.beginMap();
    while (!argument.atEnd()) {
        argument.beginMapEntry();
        QDBusObjectPath path;
        argument >> path;
        Interfaces interfaces;
        argument.beginMap();
        while (!argument.atEnd()) {
            argument.beginMapEntry();
            QString name;
            QVariantMap properties;
            argument >> name >> properties;
            interfaces.insert(name, properties);
            argument.endMapEntry();
        }
        argument.endMap();
        objects.insert(path.path(), interfaces);
        argument.endMapEntry();
    }
    argument.endMap();
    return objects;
}

// MountPoints is aay: each a path with its terminating NUL.
bool isMountedAt(const QVariant& mountPoints, const QByteArray& volume) {
    if (!mountPoints.canConvert<QDBusArgument>())
        return false;
    const QDBusArgument argument = mountPoints.value<QDBusArgument>();
    bool found = false;
    argument.beginArray();
    while (!argument.atEnd()) {
        QByteArray point;
        argument >> point;
        if (point.endsWith('\0'))
            point.chop(1);
        found = found || point == volume;
    }
    argument.endArray();
    return found;
}

bool succeeded(const QDBusConnection& bus, const QString& path, const QString& interface,
               const QString& method) {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call << QVariantMap();
    // Flushing a large card can take a while.
    return bus.call(call, QDBus::Block, 120'000).type() == QDBusMessage::ReplyMessage;
}

bool unmountDirectly(const Path& volume) {
    return ::umount2(volume.c_str(), 0) == 0;
}

} // namespace

UDisksEjector::UDisksEjector(Bus bus) : bus_(std::move(bus)) {}

bool UDisksEjector::eject(const Path& volume) const {
    QDBusConnection bus = bus_ ? bus_() : QDBusConnection::systemBus();
    if (!bus.isConnected())
        return unmountDirectly(volume);
    // The call starts UDisks2 when it is installed but not yet running; an error reply (it is
    // not there at all) leaves no objects, and the volume is unmounted directly.
    ManagedObjects objects = managedObjects(bus.call(
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/UDisks2"),
                                       QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                       QStringLiteral("GetManagedObjects"))));
    QByteArray mountPoint = QByteArray::fromStdString(volume.string());
    std::optional<QString> block;
    for (auto object = objects.cbegin(); object != objects.cend() && !block; ++object) {
        auto filesystem = object->find(filesystemInterface);
        if (filesystem != object->end() &&
            isMountedAt(filesystem->value(QStringLiteral("MountPoints")), mountPoint))
            block = object.key();
    }
    if (!block)
        return unmountDirectly(volume);

    if (!succeeded(bus, *block, filesystemInterface, QStringLiteral("Unmount")))
        return false;
    QString drive = (*objects.find(*block))
                        .value(blockInterface)
                        .value(QStringLiteral("Drive"))
                        .value<QDBusObjectPath>()
                        .path();
    QVariantMap driveProperties = objects.value(drive).value(driveInterface);
    if (driveProperties.value(QStringLiteral("CanPowerOff")).toBool())
        return succeeded(bus, drive, driveInterface, QStringLiteral("PowerOff"));
    if (driveProperties.value(QStringLiteral("Ejectable")).toBool())
        return succeeded(bus, drive, driveInterface, QStringLiteral("Eject"));
    return true;
}

} // namespace marklode
