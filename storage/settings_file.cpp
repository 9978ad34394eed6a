#include "storage/settings_file.h"

#include <cerrno>

#include "platform/path_form.h"

namespace {

// Far more than any path; a longer first line is cut here.
constexpr std::size_t MaxSettingsBytes = 64 * 1024;

}  // namespace

platform::SystemPath settingsPath(const platform::SystemPath& startDirectory) {
    if (startDirectory.empty()) return SettingsFileName;
    return platform::inFolder(startDirectory, SettingsFileName);
}

platform::SystemPath readSettings(const platform::SystemPath& startDirectory, platform::Files& files, int* error) {
    if (error != nullptr) *error = 0;
    std::string contents;
    const int readError = files.readFile(settingsPath(startDirectory), MaxSettingsBytes, contents);
    if (readError != 0) {
        if (error != nullptr && readError != ENOENT) *error = readError;
        return {};
    }
    const auto lineEnd = contents.find('\n');
    if (lineEnd != std::string::npos) contents.resize(lineEnd);
    if (!contents.empty() && contents.back() == '\r') contents.pop_back();
    // The line is the path's own bytes.
    return platform::SystemPath::fromSystem(std::move(contents));
}

void readSettings(OpenedFile& file, const platform::SystemPath& startDirectory, platform::Files& files) {
    file.path = readSettings(startDirectory, files);
}

std::optional<FileProblem> writeSettings(const OpenedFile& file, const platform::SystemPath& startDirectory,
                                         platform::Files& files) {
    const platform::SystemPath path = settingsPath(startDirectory);
    std::string reason;
    const std::string& pathBytes = file.path.systemBytes();
    if (pathBytes.find_first_of("\r\n") != std::string::npos) {
        reason = "the catalogue's name holds a line break";
    } else {
        const platform::ReplaceResult written = files.replaceWhole(path, pathBytes + "\r\n");
        if (written.outcome != platform::ReplaceResult::NotReplaced) return std::nullopt;
        reason = written.reason;
    }
    return FileProblem{FileProblem::SettingsNotWritten, path, {}, reason, file.path};
}
