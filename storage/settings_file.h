#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "storage/file_problem.h"
#include "storage/opened_file.h"

// The settings file remembers the last catalogue between runs: one line, the
// full path of that catalogue as the system names it (its bytes as they are,
// not a catalogue text), then a carriage return and a line feed. It lives
// in the folder the program was started in.
inline const platform::SystemPath SettingsFileName = platform::SystemPath::fromSystem("quorvels.ini");

// startDirectory + "/quorvels.ini".
platform::SystemPath settingsPath(const platform::SystemPath& startDirectory);

// The first line of the settings file without its line end ("\r\n" or "\n"),
// or "" when there is no settings file (the first start). When the file exists
// but cannot be read, the result is "" too and *error (when given) receives
// the system's error number; a missing file is no error.
platform::SystemPath readSettings(const platform::SystemPath& startDirectory, platform::Files& files,
                                  int* error = nullptr);

// Sets file.path from the settings file, as above.
void readSettings(OpenedFile& file, const platform::SystemPath& startDirectory, platform::Files& files);

// Replaces the settings file (atomically, see platform::Files::replaceWhole) with
// file.path and "\r\n". When that fails, or when the name holds a line
// break and so cannot be kept on one line, the old settings file stays as it
// was and the result is the problem (SettingsNotWritten), naming the settings
// file, the reason and the catalogue.
std::optional<FileProblem> writeSettings(const OpenedFile& file, const platform::SystemPath& startDirectory,
                                         platform::Files& files);
