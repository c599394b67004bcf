#include "sessionbus.h"

#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

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

// The accessibility bus that at-spi-bus-launcher names on the X root window.
QByteArray accessibilityBusOnDisplay()
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    QByteArray address;
    if (xcb_connection_has_error(connection) == 0) {
        // The root window of the display's default screen, as Qt's.
        auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (; screenNumber > 0 && screens.rem > 1; --screenNumber)
            xcb_screen_next(&screens);
        const char name[] = "AT_SPI_BUS";
        const XcbReply<xcb_intern_atom_reply_t> atom(
                xcb_intern_atom_reply(
                        connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr),
                &std::free);
        if (atom && atom->atom != XCB_ATOM_NONE) {
            const XcbReply<xcb_get_property_reply_t> property(
                    xcb_get_property_reply(connection,
                                           xcb_get_property(connection, 0, screens.data->root,
                                                            atom->atom, XCB_ATOM_STRING, 0, 1024),
                                           nullptr),
                    &std::free);
            if (property)
                address = QByteArray(
                        static_cast<const char *>(xcb_get_property_value(property.get())),
                        xcb_get_property_value_length(property.get()));
        }
    }
    xcb_disconnect(connection);
    return address;
}

} // namespace

void declineSessionBusAutolaunch()
{
    // libdbus takes the session bus from DBUS_SESSION_BUS_ADDRESS, then from
    // $XDG_RUNTIME_DIR/bus, and else autolaunches one for the X display.
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") || userBusRuns())
        return;
    // Qt reads the root window's accessibility bus only once connected to a
    // session bus; its own variable needs none.
    if (!qEnvironmentVariableIsSet("AT_SPI_BUS_ADDRESS")) {
        const QByteArray accessibilityBus = accessibilityBusOnDisplay();
        if (!accessibilityBus.isEmpty())
            qputenv("AT_SPI_BUS_ADDRESS", accessibilityBus);
    }
    // An address that refuses every connection at once, which libdbus
    // takes instead of autolaunching.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null");
}
