#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

namespace platform::scripted {

// File dialogs answered from a script. A test queues what the user types (a
// full path, as the system names it) or a cancel for each dialog it expects; every dialog shown is
// recorded. A dialog the script did not expect throws, so the test fails on
// any dialog it did not foresee.
struct ScriptedFileDialogs final : FileDialogs {
    enum class Kind { Open, Save };
    struct Shown {
        Kind kind;
        FileDialogRequest request;
    };

    void expectName(const SystemPath& path) { answers.emplace_back(path); }
    void expectCancel() { answers.emplace_back(std::nullopt); }

    std::optional<SystemPath> askFileToOpen(const FileDialogRequest& request) override {
        return answer(Kind::Open, request);
    }
    std::optional<SystemPath> askFileToSave(const FileDialogRequest& request) override {
        return answer(Kind::Save, request);
    }

    std::deque<std::optional<SystemPath>> answers;
    std::vector<Shown> shown;

private:
    // As the system's dialogs do, a name typed without an extension gets the
    // default one.
    std::optional<SystemPath> answer(Kind kind, const FileDialogRequest& request) {
        shown.push_back({kind, request});
        if (answers.empty()) throw std::logic_error("unexpected file dialog: " + request.title);
        std::optional<SystemPath> typed = answers.front();
        answers.pop_front();
        if (!typed) return typed;
        const auto nameStart = typed->rfind('/') + 1;  // 0 without a folder
        if (typed->find('.', nameStart) == std::string::npos && !request.defaultExtension.empty())
            *typed += "." + request.defaultExtension;
        return typed;
    }
};

}  // namespace platform::scripted
