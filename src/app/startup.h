#pragma once

#include <memory>

class QApplication;
class Translations;

// Names the program, for Qt, the desktop and --version.
void nameApplication();

// Creates the application object. Where the windowing system cannot start
// it exits with status 1, instead of aborting: with one line where no
// display answers, and with Qt's own words for any other cause.
// It speaks the language of the translations, which it installs. Where no
// session bus runs, the toolkit is kept from starting one.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv, Translations &translations);
