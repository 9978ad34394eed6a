#include "bookexchange/exchange_files.h"

#include <cerrno>
#include <cstring>

namespace {

const std::string LineEnd = "\r\n";

std::string fileLine(const platform::SystemPath& path) { return "File Name: " + platform::shownPath(path) + LineEnd; }

std::string notImported(const platform::SystemPath& path, const std::string& reason) {
    return fileLine(path) + "The books could not be imported: " + reason + "." + LineEnd +
           "Nothing was imported; the catalogue is unchanged.";
}

}  // namespace

ImportFileResult planImportFile(const platform::SystemPath& path, platform::Files& files, const BookTables& books,
                                int currentYear) {
    ImportFileResult result;
    std::string bytes;
    if (const int error = files.readFile(path, MaxImportFileBytes + 1, bytes); error != 0) {
        result.message = notImported(path, error == EINVAL ? "it is not a regular file" : std::strerror(error));
        return result;
    }
    if (bytes.size() > MaxImportFileBytes) {
        result.message = notImported(path, "it is larger than " + std::to_string(MaxImportFileBytes >> 20) +
                                               " MB, far more than a catalogue of 32767 books takes");
        return result;
    }
    ImportPlanResult planned = planImport(bytes, books, currentYear);
    if (!planned.ok) {
        std::string where;
        if (planned.errorLine > 0) where = "line " + std::to_string(planned.errorLine);
        if (planned.errorColumn > 0) where += ", column " + std::to_string(planned.errorColumn);
        if (!where.empty()) where += ": ";
        result.message = notImported(path, where + planned.problem);
        return result;
    }
    result.ok = true;
    result.plan = std::move(planned.plan);
    return result;
}

ExportFileResult exportBooksFile(const platform::SystemPath& path, platform::Files& files, const BookTables& books,
                                 const std::vector<int>& records, ExportForm form) {
    const platform::ReplaceResult written = files.replaceWhole(path, exportBooks(books, records, form));
    ExportFileResult result;
    switch (written.outcome) {
        case platform::ReplaceResult::Replaced: result.ok = true; break;
        case platform::ReplaceResult::NotReplaced:
            result.message = fileLine(path) + "The books could not be exported: " + written.reason + "." + LineEnd +
                             "Nothing was written; an earlier file of that name is unchanged.";
            break;
        case platform::ReplaceResult::ReplacedUnconfirmed:
            result.message = fileLine(path) +
                             "The books were written, but the system could not confirm that the file is "
                             "safely on the disk: " +
                             written.reason + ".";
            break;
    }
    return result;
}
