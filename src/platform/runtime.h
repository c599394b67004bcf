#pragma once

// Sets up, once and before the first window, what the program's windows
// expect of the toolkit beyond its defaults: the fonts their layouts name,
// no settings read or written, and the window with the keyboard active.
void setUpRuntime();
