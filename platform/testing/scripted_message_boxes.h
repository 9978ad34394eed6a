#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace platform::scripted {

// Message boxes answered from a script. A test queues the answers it expects
// to give; every box shown is recorded. A box the script did not expect
// throws, so the test fails on any question it did not foresee.
struct ScriptedMessageBoxes final : MessageBoxes {
    struct Shown {
        std::string text;
        std::string caption;
        Buttons buttons;
        Icon icon;
    };

    void expect(Answer answer) { answers.push_back(answer); }

    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) override {
        shown.push_back({text, caption, buttons, icon});
        if (answers.empty()) throw std::logic_error("unexpected message box: " + caption + ": " + text);
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<Answer> answers;
    std::vector<Shown> shown;
};

}  // namespace platform::scripted
