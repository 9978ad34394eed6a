#pragma once

#include "platform/message_box.h"

namespace platform::qt {

// Message boxes over the active window.
struct QtMessageBoxes final : MessageBoxes {
    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) override;
};

}  // namespace platform::qt
