#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_dialogs.h"

namespace platform::scripted {

// File dialogs answered from a script. A test queues what the user types (a
// full path, as the system names it, and for a save the file type chosen) or
// a cancel for each dialog it expects; every dialog shown is
// recorded. A dialog the script did not expect throws, so the test fails on
// any dialog it did not foresee.
struct ScriptedFileDialogs final : FileDialogs {
    enum class Kind { Open, Save };
    struct Shown {
        Kind kind;
        FileDialogRequest request;
    };

    void expectName(const SystemPath& path, std::size_t filter = 0) { answers.push_back(SaveChoice{path, filter}); }
    void expectCancel() { answers.emplace_back(std::nullopt); }

    std::optional<SystemPath> askFileToOpen(const FileDialogRequest& request) override {
        return chosenPath(answer(Kind::Open, request));
    }
    std::optional<SaveChoice> askFileAndTypeToSave(const FileDialogRequest& request) override {
        return answer(Kind::Save, request);
    }

    std::deque<std::optional<SaveChoice>> answers;
    std::vector<Shown> shown;

  private:
    // As the system's dialogs do, a name typed without an extension gets the
    // default one.
    std::optional<SaveChoice> answer(Kind kind, const FileDialogRequest& request) {
        shown.push_back({kind, request});
        if (answers.empty()) throw std::logic_error("unexpected file dialog: " + request.title);
        std::optional<SaveChoice> typed = answers.front();
        answers.pop_front();
        if (!typed) return typed;
        if (typed->filter >= request.filters.size() && !request.filters.empty())
            throw std::logic_error("no file type " + std::to_string(typed->filter) + " in " + request.title);
        const std::string& typedName = typed->path.systemBytes();
        const auto nameStart = typedName.rfind('/') + 1;  // 0 without a folder
        if (typedName.find('.', nameStart) == std::string::npos && !request.defaultExtension.empty())
            typed->path = withSuffix(typed->path, "." + request.defaultExtension);
        return typed;
    }
};

}  // namespace platform::scripted
