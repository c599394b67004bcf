#pragma once

class Translations;

// Makes what the program writes to standard output (the help, the version,
// the colour chosen) fail loudly: at exit, when it could not all be written,
// it says why on stderr, in the user's language, and the program ends with
// status 1, so that a script does not take a lost answer for one.
// Called at the start of main, before anything keeps a file open.
void checkStandardOutput(const Translations &translations);
