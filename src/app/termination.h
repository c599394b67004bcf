#pragma once

class QObject;
class Shell;

// Ends the program through the shell, as the Quit box does, when the
// process is asked to terminate (SIGTERM, SIGINT, SIGHUP): the windows
// close and the event loop returns normally.
void endOnTerminationSignals(Shell &shell, QObject *parent);
