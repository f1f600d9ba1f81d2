#include "platform/FileChooserPortal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QFileInfo>
#include <QUrl>
#include <mutex>

namespace marklode {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString checkboxId = QStringLiteral("checkbox");

// The portal's response codes: answered, cancelled by the user, or ended some other way.
constexpr uint answered = 0;
constexpr uint cancelledByUser = 1;

// The portal's filters: a name, and patterns that are globs (0) or MIME types (1).
struct Pattern {
    uint kind = 0;
    QString text;
};
struct Filter {
    QString name;
    QList<Pattern> patterns;
};
// A choice's options are (id, label) pairs, the answer's choices (id, value) pairs. A choice
// with no options is a checkbox, whose value is "true" or "false".
struct Pair {
    QString id;
    QString text;
};
struct Choice {
    QString id;
    QString label;
    QList<Pair> options;
    QString initial;
};

QDBusArgument& operator<<(QDBusArgument& argument, const Pattern& pattern) {
    argument.beginStructure();
    argument << pattern.kind << pattern.text;
    argument.endStructure();
    return argument;
}
const QDBusArgument& operator>>(const QDBusArgument& argument, Pattern& pattern) {
    argument.beginStructure();
    argument >> pattern.kind >> pattern.text;
    argument.endStructure();
    return argument;
}
QDBusArgument& operator<<(QDBusArgument& argument, const Filter& filter) {
    argument.beginStructure();
    argument << filter.name << filter.patterns;
    argument.endStructure();
    return argument;
}
const QDBusArgument& operator>>(const QDBusArgument& argument, Filter& filter) {
    argument.beginStructure();
    argument >> filter.name >> filter.patterns;
    argument.endStructure();
    return argument;
}
QDBusArgument& operator<<(QDBusArgument& argument, const Pair& pair) {
    argument.beginStructure();
    argument << pair.id << pair.text;
    argument.endStructure();
    return argument;
}
const QDBusArgument& operator>>(const QDBusArgument& argument, Pair& pair) {
    argument.beginStructure();
    argument >> pair.id >> pair.text;
    argument.endStructure();
    return argument;
}
QDBusArgument& operator<<(QDBusArgument& argument, const Choice& choice) {
    argument.beginStructure();
    argument << choice.id << choice.label << choice.options << choice.initial;
    argument.endStructure();
    return argument;
}
const QDBusArgument& operator>>(const QDBusArgument& argument, Choice& choice) {
    argument.beginStructure();
    argument >> choice.id >> choice.label >> choice.options >> choice.initial;
    argument.endStructure();
    return argument;
}

void registerTypes() {
    static std::once_flag once;
    std::call_once(once, [] {
        qDBusRegisterMetaType<Pattern>();
        qDBusRegisterMetaType<QList<Pattern>>();
        qDBusRegisterMetaType<Filter>();
        qDBusRegisterMetaType<QList<Filter>>();
        qDBusRegisterMetaType<Pair>();
        qDBusRegisterMetaType<QList<Pair>>();
        qDBusRegisterMetaType<Choice>();
        qDBusRegisterMetaType<QList<Choice>>();
    });
}

// The whole text names the filter, so the chooser shows what Qt's dialog shows; the globs in
// its parentheses (or, without them, the text itself) are its patterns.
Filter filterOf(const QString& nameFilter) {
    QString globs = nameFilter;
    qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    if (open >= 0 && nameFilter.endsWith(QLatin1Char(')')))
        globs = nameFilter.mid(open + 1, nameFilter.size() - open - 2);
    Filter filter{nameFilter, {}};
    for (const QString& glob : globs.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        filter.patterns.append(Pattern{0, glob});
    return filter;
}

QVariantMap optionsOf(const FileChooserRequest& request, const QString& token) {
    QVariantMap options{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("multiple"), request.multiple},
                        {QStringLiteral("modal"), true}};
    if (!request.acceptLabel.isEmpty())
        options.insert(QStringLiteral("accept_label"), request.acceptLabel);
    QList<Filter> filters;
    for (const QString& nameFilter : request.nameFilters)
        filters.append(filterOf(nameFilter));
    if (!filters.isEmpty())
        options.insert(QStringLiteral("filters"), QVariant::fromValue(filters));
    if (!request.checkboxLabel.isEmpty())
        options.insert(QStringLiteral("choices"),
                       QVariant::fromValue(QList<Choice>{Choice{
                           checkboxId, request.checkboxLabel, {}, QStringLiteral("false")}}));
    return options;
}

} // namespace

bool fileDialogsUsePortal() {
    QString theme = qEnvironmentVariable("QT_QPA_PLATFORMTHEME").toLower();
    return theme == QLatin1String("xdgdesktopportal") || theme == QLatin1String("flatpak") ||
           theme == QLatin1String("snap") || QFileInfo::exists(QStringLiteral("/.flatpak-info")) ||
           qEnvironmentVariableIsSet("SNAP");
}

FileChooserPortal::FileChooserPortal(QDBusConnection bus) : bus_(std::move(bus)) {
    registerTypes();
}

FileChooserAnswer FileChooserPortal::openFiles(const FileChooserRequest& request) {
    answer_ = {};
    if (!bus_.isConnected())
        return answer_;
    // The portal answers on a path made of our name and a token of ours. Listening there before
    // asking catches an answer that comes before the reply to the call.
    static uint requests = 0;
    QString token = QStringLiteral("marklode%1").arg(++requests);
    listen(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
               .arg(bus_.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')), token));

    QEventLoop loop;
    waiting_ = &loop;
    // A portal that goes away with its chooser open would never answer.
    QDBusServiceWatcher vanished(portalService, bus_, QDBusServiceWatcher::WatchForUnregistration);
    connect(&vanished, &QDBusServiceWatcher::serviceUnregistered, &loop, &QEventLoop::quit);
    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.FileChooser"), QStringLiteral("OpenFile"));
    call << request.parentWindow << request.title << optionsOf(request, token);
    QDBusPendingCallWatcher pending(bus_.asyncCall(call));
    connect(&pending, &QDBusPendingCallWatcher::finished, &loop, [this, &pending, &loop] {
        QDBusPendingReply<QDBusObjectPath> reply = pending;
        if (reply.isError())
            loop.quit();
        else if (reply.value().path() != listening_)
            listen(reply.value().path()); // a portal too old to take the token
    });
    loop.exec();
    waiting_ = nullptr;
    listen({});
    return answer_;
}

void FileChooserPortal::listen(const QString& requestPath) {
    if (!listening_.isEmpty())
        bus_.disconnect(portalService, listening_, requestInterface, QStringLiteral("Response"),
                        this, SLOT(receive(uint, QVariantMap)));
    listening_ = requestPath;
    if (!listening_.isEmpty())
        bus_.connect(portalService, listening_, requestInterface, QStringLiteral("Response"), this,
                     SLOT(receive(uint, QVariantMap)));
}

void FileChooserPortal::receive(uint response, const QVariantMap& results) {
    if (!waiting_)
        return;
    if (response == answered) {
        for (const QString& uri : results.value(QStringLiteral("uris")).toStringList())
            if (QUrl url(uri); url.isLocalFile())
                answer_.paths.append(url.toLocalFile());
        const auto choices = qdbus_cast<QList<Pair>>(results.value(QStringLiteral("choices")));
        for (const Pair& choice : choices)
            if (choice.id == checkboxId)
                answer_.checked = choice.text == QLatin1String("true");
        answer_.outcome =
            answer_.paths.isEmpty() ? FileChooserAnswer::cancelled : FileChooserAnswer::chosen;
    } else if (response == cancelledByUser) {
        answer_.outcome = FileChooserAnswer::cancelled;
    }
    // Ended some other way, the chooser failed: unavailable, so that a dialog of the caller's
    // own still lets the user choose.
    waiting_->quit();
}

} // namespace marklode
