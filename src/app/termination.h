#pragma once

class QObject;
class WindowRegistry;

// Ends the program through the window registry, as the Quit box does, when the
// process is asked to terminate (SIGTERM, SIGINT, SIGHUP): the windows
// close and the event loop returns normally.
void endOnTerminationSignals(WindowRegistry &windows, QObject *parent);
