#include "screenpicker.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

const QString Portal = u"org.freedesktop.portal.Desktop"_s;
const QString PortalPath = u"/org/freedesktop/portal/desktop"_s;
const QString Screenshot = u"org.freedesktop.portal.Screenshot"_s;
const QString Request = u"org.freedesktop.portal.Request"_s;

// The bus the program started with, never one started for it: where none
// runs, the start-up left libdbus an address that refuses at once.
QDBusConnection bus()
{
    return QDBusConnection::sessionBus();
}

QDBusPendingCallWatcher *callPortal(QObject *parent, const QString &interface,
                                    const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Portal, PortalPath, interface, method);
    call.setArguments(arguments);
    return new QDBusPendingCallWatcher(bus().asyncCall(call), parent);
}

} // namespace

ScreenPicker::ScreenPicker(QObject *parent)
    : QObject(parent)
{ }

ScreenPicker::~ScreenPicker()
{
    // A dialog closed mid-pick takes the portal's picker off the screen too.
    if (picking())
        bus().send(QDBusMessage::createMethodCall(Portal, m_request, Request, u"Close"_s));
    stopListening();
}

void ScreenPicker::probe()
{
    if (!bus().isConnected())
        return;
    QDBusPendingCallWatcher *call = callPortal(this, u"org.freedesktop.DBus.Properties"_s, u"Get"_s,
                                               {Screenshot, u"version"_s});
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        // PickColor came with version 2 of the interface.
        const QDBusPendingReply<QDBusVariant> version = *call;
        if (!version.isError() && version.value().variant().toUInt() >= 2)
            Q_EMIT offered();
    });
}

void ScreenPicker::pick(const QString &parentWindow)
{
    if (picking())
        return;
    static uint requests = 0;
    const QString token = u"tinct%1"_s.arg(++requests);
    // The portal answers on an object named after the caller and the token,
    // perhaps before the call returns: listened to before the call, no
    // answer is missed.
    const QString caller = bus().baseService().mid(1).replace(u'.', u'_');
    listen(u"%1/request/%2/%3"_s.arg(PortalPath, caller, token));
    QDBusPendingCallWatcher *call
            = callPortal(this, Screenshot, u"PickColor"_s,
                         {parentWindow, QVariantMap{{u"handle_token"_s, token}}});
    connect(call, &QDBusPendingCallWatcher::finished, this, &ScreenPicker::called);
}

void ScreenPicker::called(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> request = *call;
    if (request.isError() && picking()) {
        stopListening();
        Q_EMIT failed();
    } else if (picking() && request.value().path() != m_request) {
        listen(request.value().path()); // portals before 0.9 named it otherwise
    }
}

void ScreenPicker::answered(uint response, const QVariantMap &results)
{
    stopListening();
    const QColor color = colorOf(results.value(u"color"_s));
    if (response == 1)
        Q_EMIT cancelled();
    else if (response == 0 && color.isValid())
        Q_EMIT picked(color);
    else
        Q_EMIT failed();
}

void ScreenPicker::listen(const QString &request)
{
    stopListening();
    m_request = request;
    bus().connect(QString(), m_request, Request, u"Response"_s, this,
                  SLOT(answered(uint, QVariantMap)));
}

void ScreenPicker::stopListening()
{
    if (picking())
        bus().disconnect(QString(), m_request, Request, u"Response"_s, this,
                         SLOT(answered(uint, QVariantMap)));
    m_request.clear();
}

QColor ScreenPicker::colorOf(const QVariant &answer)
{
    if (answer.userType() != qMetaTypeId<QDBusArgument>())
        return {};
    const auto argument = answer.value<QDBusArgument>();
    if (argument.currentSignature() != u"(ddd)")
        return {};
    std::array<double, 3> channels{};
    argument.beginStructure();
    argument >> channels[0] >> channels[1] >> channels[2];
    argument.endStructure();
    if (!std::all_of(channels.cbegin(), channels.cend(), [](double c) { return c >= 0 && c <= 1; }))
        return {};
    // Rounded, as 8-bit values reported as fractions of 255 come back exact.
    return {qRound(channels[0] * 255), qRound(channels[1] * 255), qRound(channels[2] * 255)};
}
