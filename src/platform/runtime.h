#pragma once

// Sets up, once and before the first window, what the program's windows
// expect of the toolkit beyond its defaults.
void setUpRuntime();
