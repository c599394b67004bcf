#pragma once

#include <memory>

class QApplication;

// Creates the application object. Where no display can be opened it prints
// one line saying so and exits with status 1, instead of aborting.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);
