#pragma once

#include <string>
#include <vector>

#include "bookexchange/book_export.h"
#include "bookexchange/import_plan.h"
#include "platform/files.h"
#include "platform/system_path.h"

// Import and export as the user meets them: the file read or written through
// the platform's files (the export through the atomic replacement the
// catalogue file uses), and every problem worded for the user with the
// file's name, where it lies in the file and what is kept.

// The largest file an import reads: far beyond the 32767 books a catalogue holds.
inline constexpr std::size_t MaxImportFileBytes = 256u << 20;

struct ImportFileResult {
    bool ok = false;
    ImportPlan plan;
    std::string message;  // when not ok: the whole message for the user
};

// Reads the file and plans its import into `books`; nothing changes.
ImportFileResult planImportFile(const platform::SystemPath& path, platform::Files& files, const BookTables& books,
                                int currentYear);

struct ExportFileResult {
    bool ok = false;
    std::string message;  // when not ok: the whole message for the user
};

// Writes the records to the file in the given form, replacing it whole.
ExportFileResult exportBooksFile(const platform::SystemPath& path, platform::Files& files, const BookTables& books,
                                 const std::vector<int>& records, ExportForm form);
