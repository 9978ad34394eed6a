#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"

// The program's command line. With nothing but a catalogue, or nothing at
// all, the window opens on it, or on the remembered one:
//
//     quorvels [CATALOGUE.pmr]
//
// The commands that open no window, for scripts and tests:
//
//     quorvels --import FILE.csv CATALOGUE.pmr
//     quorvels --export CATALOGUE.pmr FILE.csv [--goodreads]
//     quorvels --help
//     quorvels --version
//
// An import adds the file's books to the catalogue file (created when it is
// missing) and prints what it found; the catalogue file is written only
// when every book was added. An export writes every book of the catalogue.

// Whether the arguments (after the program's name) are for these commands,
// rather than for the window: they start with an option.
bool namesCommand(const std::vector<std::string>& arguments);

// The exit status of a command line that names one of these commands (0 on
// success, 1 after a message on `err`), or nothing when the arguments (after
// the program's name) are not such a command and the window is to open.
std::optional<int> runCommandLine(const std::vector<std::string>& arguments, platform::Files& files,
                                  const platform::Clock& clock, std::ostream& out, std::ostream& err);

// The catalogue the window opens, from the arguments that are left once the
// toolkit has taken its own: "" with none (the remembered one opens), the
// one argument, or nothing after the usage on `err` when there are more.
std::optional<platform::SystemPath> windowCatalogue(const std::vector<std::string>& arguments, std::ostream& err);
