#pragma once

#include <vector>

#include "platform/files.h"

// The help file's name; its contents file is beside it.
inline const platform::SystemPath HelpFileName = platform::SystemPath::fromSystem("quorvels.hlp");

// The folders the program looks for its help in, in this order: the folder
// it was started in; the folder of its program file; and the data folder of
// the prefix it is installed in, share/quorvels beside the program's folder
// (/usr/share/quorvels for /usr/bin/quorvels), so that an installed copy
// finds its help wherever it was unpacked. Without a program file (the
// system could not tell) only the start folder.
std::vector<platform::SystemPath> helpFolders(const platform::SystemPath& startDirectory,
                                              const platform::SystemPath& programFile);

// The help file in the first of `folders` that holds it; when none does, the
// one in the first folder, which the help viewer's message then names.
platform::SystemPath findHelpFile(const std::vector<platform::SystemPath>& folders, platform::Files& files);
