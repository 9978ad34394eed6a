#include "storage/settings_file.h"

#include <cerrno>

#include "storage/atomic_file.h"

namespace {

// Far more than any path; a longer first line is cut here.
constexpr std::size_t MaxSettingsBytes = 64 * 1024;

}  // namespace

platform::SystemPath settingsPath(const platform::SystemPath& startDirectory) {
    if (startDirectory.empty()) return std::string(SettingsFileName);
    if (startDirectory.back() == '/') return startDirectory + std::string(SettingsFileName);
    return startDirectory + "/" + std::string(SettingsFileName);
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
    return contents;
}

void readSettings(Catalogue& catalogue, const platform::SystemPath& startDirectory, platform::Files& files) {
    catalogue.fileName = readSettings(startDirectory, files);
}

bool writeSettings(const Catalogue& catalogue, const platform::SystemPath& startDirectory, StorageUi& ui) {
    const platform::SystemPath path = settingsPath(startDirectory);
    std::string reason;
    if (catalogue.fileName.find_first_of("\r\n") != std::string::npos) {
        reason = "the catalogue's name holds a line break";
    } else {
        const AtomicWriteResult written = writeFileAtomically(ui.files, path, catalogue.fileName + "\r\n");
        if (written.outcome != AtomicWriteResult::NotWritten) return true;
        reason = written.reason;
    }
    ui.messages.messageBox("File Name: " + platform::shownPath(path) + "\r\nThe settings file could not be written: " +
                               reason + ".\r\n" + "The catalogue " + platform::shownPath(catalogue.fileName) +
                               " will not be opened at the next start.",
                           "File Error", platform::Buttons::Ok, platform::Icon::Exclamation);
    return false;
}
