#include "sessionbus.h"

#include <QByteArray>
#include <QFile>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

template<typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// libdbus's own test for the user's bus, when no address is given.
bool userBusRuns()
{
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    struct stat bus = {};
    return !runtimeDir.isEmpty() && ::lstat((runtimeDir + "/bus").constData(), &bus) == 0
            && S_ISSOCK(bus.st_mode) && bus.st_uid == ::getuid();
}

// The platform and X display Qt will take: -platform and -display on the
// command line before the environment, and with neither platform named,
// Wayland first where the session says it is one, as Qt 6.4 to 6.8 decide.
struct Target
{
    bool wayland = false;
    QByteArray display;
};

Target targetOf(std::span<char *const> arguments)
{
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    Target target{false, qgetenv("DISPLAY")};
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        QByteArray option(arguments[i]);
        if (option.startsWith("--"))
            option.remove(0, 1);
        if (option == "-platform")
            platform = arguments[++i];
        else if (option == "-display")
            target.display = arguments[++i];
    }
    target.wayland = platform.isEmpty() ? qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
                    || qgetenv("XDG_SESSION_TYPE") == "wayland"
                                        : platform.startsWith("wayland");
    return target;
}

// The selection whose owner names the session bus that dbus-launch
// autolaunched for this user on the display; empty where that cannot be told.
QByteArray busSelection()
{
    const passwd *user = ::getpwuid(::getuid());
    QByteArray machine;
    for (const char *path : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (machine.isEmpty() && file.open(QIODevice::ReadOnly))
            machine = file.readLine().trimmed();
    }
    if (user == nullptr || machine.isEmpty())
        return {};
    return "_DBUS_SESSION_BUS_SELECTION_" + QByteArray(user->pw_name) + '_' + machine;
}

xcb_atom_t existingAtom(xcb_connection_t *connection, const QByteArray &name)
{
    const XcbReply<xcb_intern_atom_reply_t> atom(
            xcb_intern_atom_reply(connection,
                                  xcb_intern_atom(connection, 1, name.size(), name.constData()),
                                  nullptr),
            &std::free);
    return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
}

struct DisplayBuses
{
    bool sessionBus = false;
    // The accessibility bus that at-spi-bus-launcher names on the root window.
    QByteArray accessibilityBus;
};

DisplayBuses busesOnDisplay(const QByteArray &display)
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(display.constData(), &screenNumber);
    DisplayBuses buses;
    if (xcb_connection_has_error(connection) == 0) {
        const QByteArray selection = busSelection();
        const xcb_atom_t selectionAtom = selection.isEmpty() ? xcb_atom_t(XCB_ATOM_NONE)
                                                             : existingAtom(connection, selection);
        if (selectionAtom != XCB_ATOM_NONE) {
            const XcbReply<xcb_get_selection_owner_reply_t> owner(
                    xcb_get_selection_owner_reply(
                            connection, xcb_get_selection_owner(connection, selectionAtom),
                            nullptr),
                    &std::free);
            buses.sessionBus = owner && owner->owner != XCB_WINDOW_NONE;
        }
        // The root window of the display's default screen, as Qt's.
        auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (; screenNumber > 0 && screens.rem > 1; --screenNumber)
            xcb_screen_next(&screens);
        const xcb_atom_t atom = existingAtom(connection, "AT_SPI_BUS");
        if (atom != XCB_ATOM_NONE) {
            const XcbReply<xcb_get_property_reply_t> property(
                    xcb_get_property_reply(connection,
                                           xcb_get_property(connection, 0, screens.data->root, atom,
                                                            XCB_ATOM_STRING, 0, 1024),
                                           nullptr),
                    &std::free);
            if (property)
                buses.accessibilityBus = QByteArray(
                        static_cast<const char *>(xcb_get_property_value(property.get())),
                        xcb_get_property_value_length(property.get()));
        }
    }
    xcb_disconnect(connection);
    return buses;
}

} // namespace

void declineSessionBusAutolaunch(std::span<char *const> arguments)
{
    // libdbus takes the session bus from DBUS_SESSION_BUS_ADDRESS, then from
    // $XDG_RUNTIME_DIR/bus, and else autolaunches one for the X display.
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") || userBusRuns())
        return;
    // A Wayland start asks no X server: one that never answers would hang it.
    const Target target = targetOf(arguments);
    if (!target.wayland) {
        const DisplayBuses buses = busesOnDisplay(target.display);
        if (buses.sessionBus) {
            // Autolaunching then only reads that bus's address, from the
            // display DISPLAY names: the one the program shows on.
            if (target.display != qgetenv("DISPLAY"))
                qputenv("DISPLAY", target.display);
            return;
        }
        // Qt reads the root window's accessibility bus only once connected
        // to a session bus; its own variable needs none.
        if (!qEnvironmentVariableIsSet("AT_SPI_BUS_ADDRESS") && !buses.accessibilityBus.isEmpty())
            qputenv("AT_SPI_BUS_ADDRESS", buses.accessibilityBus);
    }
    // An address that refuses every connection at once, which libdbus
    // takes instead of autolaunching.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null");
}
