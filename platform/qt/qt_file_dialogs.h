#pragma once

#include "platform/file_dialogs.h"

namespace platform::qt {

// The toolkit's own file dialog (not the desktop's), over the active window.
// Paths cross from the program's Windows-1252 texts to the toolkit's Unicode
// and back; a name holding a character Windows-1252 cannot hold is refused in
// the dialog, since the program could not keep it.
struct QtFileDialogs final : FileDialogs {
    std::optional<std::string> askFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> askFileToSave(const FileDialogRequest& request) override;
};

}  // namespace platform::qt
