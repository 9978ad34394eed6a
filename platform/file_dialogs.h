#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/system_path.h"

namespace platform {

// One entry of a file dialog's type list: what the user reads, and the
// pattern of the names it lists ("*.pmr"; "*.*" lists every file).
struct FileFilter {
    std::string description;
    std::string pattern;
    bool operator==(const FileFilter&) const = default;
};

// What a file dialog shows when it opens. Texts are UTF-8;
// paths are the system's own names.
struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;  // the first one is chosen at first
    std::string defaultExtension;     // without the dot; added to a name typed without one
    SystemPath folder;                // where the dialog starts
    SystemPath initialName;           // the name it offers; "" for none
};

// A name to save under, and which entry of the type list was chosen with it
// (an index into the request's filters).
struct SaveChoice {
    SystemPath path;
    std::size_t filter = 0;
    bool operator==(const SaveChoice&) const = default;
};

// The path of a choice, or nothing when the dialog was cancelled.
inline std::optional<SystemPath> chosenPath(std::optional<SaveChoice> choice) {
    if (!choice) return std::nullopt;
    return std::move(choice->path);
}

// The system's dialogs for choosing a file. Each returns the full path the
// user chose, as the system names it, or nothing when the user cancelled.
// Any name the system can hold is taken.
struct FileDialogs {
    virtual ~FileDialogs() = default;

    // A file to open. The name need not exist, so that opening a new name can
    // create it.
    virtual std::optional<SystemPath> askFileToOpen(const FileDialogRequest& request) = 0;

    // A name to save under, with the file type chosen for it. The dialog
    // never asks about replacing an existing file: the program asks that
    // itself.
    virtual std::optional<SaveChoice> askFileAndTypeToSave(const FileDialogRequest& request) = 0;

    // A name to save under, whatever the type chosen.
    std::optional<SystemPath> askFileToSave(const FileDialogRequest& request) {
        return chosenPath(askFileAndTypeToSave(request));
    }
};

}  // namespace platform
