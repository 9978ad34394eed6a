#pragma once

#include "platform/message_box.h"

namespace platform::win32 {

// The system's message boxes (MessageBoxW), owned by the program's window
// (ownerWindow), which takes no input while the box is up.
struct Win32MessageBoxes final : MessageBoxes {
    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) override;
};

}  // namespace platform::win32
