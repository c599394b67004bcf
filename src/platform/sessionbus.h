#pragma once

#include <span>

// Where no D-Bus session bus runs, keeps the toolkit from starting one:
// libdbus would autolaunch a bus daemon for the X display, which outlives
// the program and writes under ~/.dbus, and without a session bus the
// program goes only without the desktop portal's screen picking. A bus
// already registered for the display is joined, as any program joins it,
// and a screen reader's bus still reaches the toolkit.
// Call with the command line before the application object is made; a
// desktop session's bus is left as it is.
void declineSessionBusAutolaunch(std::span<char *const> arguments);
