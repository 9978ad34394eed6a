#pragma once

#include "platform/file_dialogs.h"

namespace platform::win32 {

// The system's common dialogs for opening and saving files, owned by the
// program's window (ownerWindow).
struct Win32FileDialogs final : FileDialogs {
    std::optional<SystemPath> askFileToOpen(const FileDialogRequest& request) override;
    std::optional<SaveChoice> askFileAndTypeToSave(const FileDialogRequest& request) override;
};

}  // namespace platform::win32
