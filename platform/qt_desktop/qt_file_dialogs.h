#pragma once

#include "platform/file_dialogs.h"

namespace platform::qt {

// The toolkit's own file dialog (not the desktop's), over the active window.
// Its title and type list are UTF-8 texts; the folder, the offered
// name and the chosen file cross as the system's own names, so that the user
// may choose any name the system can hold.
struct QtFileDialogs final : FileDialogs {
    std::optional<SystemPath> askFileToOpen(const FileDialogRequest& request) override;
    std::optional<SaveChoice> askFileAndTypeToSave(const FileDialogRequest& request) override;
};

}  // namespace platform::qt
