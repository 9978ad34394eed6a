#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

namespace platform::scripted {

// File dialogs answered from a script. A test queues what the user types (a
// full path) or a cancel for each dialog it expects; every dialog shown is
// recorded. A dialog the script did not expect throws, so the test fails on
// any dialog it did not foresee.
struct ScriptedFileDialogs final : FileDialogs {
    enum class Kind { Open, Save };
    struct Shown {
        Kind kind;
        FileDialogRequest request;
    };

    void expectName(const std::string& path) { answers.emplace_back(path); }
    void expectCancel() { answers.emplace_back(std::nullopt); }

    std::optional<std::string> askFileToOpen(const FileDialogRequest& request) override {
        return answer(Kind::Open, request);
    }
    std::optional<std::string> askFileToSave(const FileDialogRequest& request) override {
        return answer(Kind::Save, request);
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<Shown> shown;

private:
    // As the system's dialogs do, a name typed without an extension gets the
    // default one.
    std::optional<std::string> answer(Kind kind, const FileDialogRequest& request) {
        shown.push_back({kind, request});
        if (answers.empty()) throw std::logic_error("unexpected file dialog: " + request.title);
        std::optional<std::string> typed = answers.front();
        answers.pop_front();
        if (!typed) return typed;
        const auto nameStart = typed->rfind('/') + 1;  // 0 without a folder
        if (typed->find('.', nameStart) == std::string::npos && !request.defaultExtension.empty())
            *typed += "." + request.defaultExtension;
        return typed;
    }
};

}  // namespace platform::scripted
