#pragma once

// Where no D-Bus session bus runs, keeps the toolkit from starting one:
// libdbus would autolaunch a bus daemon for the X display, which outlives
// the program and writes under ~/.dbus, and nothing the program does needs
// a session bus. A screen reader's bus still reaches the toolkit. Call
// before the application object is made; a desktop session's bus is left
// as it is.
void declineSessionBusAutolaunch();
