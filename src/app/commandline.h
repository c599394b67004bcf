#pragma once

#include "platform/colorvalue.h"

#include <QStringList>

#include <optional>

// What the command line asks of the program.
struct CommandLine
{
    std::optional<ColorValue> startColor; // taken as if picked, once loaded
    bool printColor = false; // the window colour on stdout at a normal end
};

// Reads the command line, before any display is opened. Answers --help and
// --version itself, and refuses bad input with a message on stderr: then it
// returns the status to exit with. Otherwise it fills in what was asked.
std::optional<int> readCommandLine(const QStringList &arguments, CommandLine &commandLine);
