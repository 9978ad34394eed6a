#pragma once

// The two forms of a catalogue file. Old ("Quorvels 2.00") holds its texts in
// Windows-1252, which every copy of the program reads; New ("Quorvels 3.00")
// holds them in UTF-8, for letters Windows-1252 does not have.
enum class FileForm { Old, New };
