#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/help_contents.h"
#include "platform/system_path.h"
#include "platform/win32_desktop/help_text.h"

namespace platform::win32 {

// The help window: the contents tree on the left, the topics' text on the
// right; choosing an entry of the contents scrolls its topic to the top. It
// is a window of its own beside the program's dialogs (not a dialog), so the
// loop of whichever dialog runs delivers its messages.
struct HelpWindow {
    SystemPath helpPath;
    HWND owner = nullptr;
    HWND window = nullptr;    // none once the system has destroyed it (its close box, or with its owner)
    HWND contents = nullptr;  // the tree view
    HWND topics = nullptr;    // a read-only text box
    HFONT font = nullptr;
    std::vector<std::string> entryAnchors;  // by the tree items' parameter
    HelpText text;
    bool quiet = false;  // while the program itself chooses an entry
};

// Creates the window, hidden, for `help` (which must stay where it is while
// the window exists); false when the system refuses.
bool createHelpWindow(HelpWindow& help);

// Shows the contents and the topics, the first entry chosen and the topics at
// their start, with the keyboard focus in the contents.
void showAtContents(HelpWindow& help, const std::wstring& title, const HelpContents& contents, HelpText text);

}  // namespace platform::win32
