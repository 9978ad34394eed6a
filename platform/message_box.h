#pragma once

#include <string>

namespace platform {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Exclamation, Stop };
enum class Answer { Ok, Yes, No, Cancel };

// Modal message boxes: the user is asked and told things through them.
// Texts are UTF-8; lines are separated by "\r\n".
struct MessageBoxes {
    virtual ~MessageBoxes() = default;

    // Shows the box and returns the button the user pressed.
    virtual Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) = 0;
};

}  // namespace platform
