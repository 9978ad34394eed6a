#pragma once

#include <string>
#include <utility>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/testing/scripted_file_dialogs.h"
#include "platform/testing/scripted_message_boxes.h"

// A user who answers whatever the program asks with a choice taken from the
// fuzzer's bytes: any question may come at any moment, so no script could
// foresee them. Each answer is queued into the scripted box or dialog, which
// records what was shown and treats the answer as a test's answer; each
// question also goes into `history`, with the windows the scripted layer
// notes there. Once the bytes have run out the answer is No, OK or Cancel.

struct FuzzedMessageBoxes final : platform::MessageBoxes {
    FuzzedMessageBoxes(FuzzInput& input, std::vector<std::string>& history) : input(input), history(history) {}

    platform::Answer messageBox(const std::string& text, const std::string& caption, platform::Buttons buttons,
                                platform::Icon icon) override {
        using platform::Answer;
        static constexpr Answer threeWay[] = {Answer::No, Answer::Yes, Answer::Cancel};
        switch (buttons) {
            case platform::Buttons::Ok: boxes.expect(Answer::Ok); break;
            case platform::Buttons::YesNo: boxes.expect(input.below(2) == 1 ? Answer::Yes : Answer::No); break;
            case platform::Buttons::YesNoCancel: boxes.expect(threeWay[input.below(3)]); break;
        }
        history.push_back("message box: " + caption + ": " + text);
        return boxes.messageBox(text, caption, buttons, icon);
    }

    FuzzInput& input;
    std::vector<std::string>& history;
    platform::scripted::ScriptedMessageBoxes boxes;  // every box shown, in `shown`
};

// Cancels, or picks one of `names` and one of the file types offered.
struct FuzzedFileDialogs final : platform::FileDialogs {
    FuzzedFileDialogs(FuzzInput& input, std::vector<std::string>& history, std::vector<platform::SystemPath> names)
        : input(input), history(history), names(std::move(names)) {}

    std::optional<platform::SystemPath> askFileToOpen(const platform::FileDialogRequest& request) override {
        choose(request);
        return dialogs.askFileToOpen(request);
    }
    std::optional<platform::SaveChoice> askFileAndTypeToSave(const platform::FileDialogRequest& request) override {
        choose(request);
        return dialogs.askFileAndTypeToSave(request);
    }

    FuzzInput& input;
    std::vector<std::string>& history;
    std::vector<platform::SystemPath> names;
    platform::scripted::ScriptedFileDialogs dialogs;  // every dialog shown, in `shown`

  private:
    void choose(const platform::FileDialogRequest& request) {
        const int choice = input.below(static_cast<int>(names.size()) + 1);
        history.push_back("file dialog: " + request.title + ": " +
                          (choice == 0 ? "cancelled" : names[choice - 1].systemBytes()));
        if (choice == 0) return dialogs.expectCancel();
        const int types = request.filters.empty() ? 1 : static_cast<int>(request.filters.size());
        dialogs.expectName(names[choice - 1], static_cast<std::size_t>(input.below(types)));
    }
};
