#pragma once

#include <optional>
#include <string>
#include <string_view>

// A file to import as text. Spreadsheets save "Unicode text" as UTF-16
// behind a byte order mark; such a file is converted to UTF-8 so that the
// reader, which looks for ASCII delimiters and quotes, sees its characters.
struct FileText {
    bool ok = true;
    std::optional<std::string> converted;  // the UTF-8 text of a UTF-16 file; none when the bytes are read as they are
    std::string problem;                   // when not ok: why the file is not UTF-16 after all
};

// Converts a file that starts with a UTF-16 byte order mark (either byte
// order) to UTF-8 with its own mark; other files are left as they are.
FileText fileText(std::string_view bytes);
