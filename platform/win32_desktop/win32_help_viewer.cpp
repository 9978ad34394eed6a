#include "platform/win32_desktop/win32_help_viewer.h"

#include <system_error>

#include "platform/path_form.h"
#include "platform/win32/wide_text.h"
#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

namespace {

constexpr std::size_t MostHelpBytes = 16 * 1024 * 1024;

// The contents file beside a help file: the same name with the extension ".cnt".
SystemPath contentsPathOf(const SystemPath& helpPath) {
    const std::string& path = helpPath.systemBytes();
    const std::size_t nameStart = path.size() - fileNameOf(helpPath).systemBytes().size();
    const std::size_t dot = path.rfind('.');
    const std::size_t end = dot != std::string::npos && dot > nameStart ? dot : path.size();
    return SystemPath::fromSystem(path.substr(0, end) + ".cnt");
}

// Reads a file, or tells in a message box why it cannot.
bool read(Files& files, const wchar_t* what, const SystemPath& path, HWND owner, std::string& contents) {
    const int error = files.readFile(path, MostHelpBytes, contents);
    if (error == 0) return true;
    const std::wstring message = std::wstring(L"The ") + what + L" \"" + wideFromPath(path) + L"\" cannot be opened: " +
                                 toWide(std::generic_category().message(error)) + L".";
    MessageBoxW(owner, message.c_str(), L"Help", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

}  // namespace

void Win32HelpViewer::showContents(const SystemPath& helpPath, WindowHandle owner) {
    const Win32Window* ownerWindow = windows.find(owner);
    HWND ownerDialog = ownerWindow != nullptr ? ownerWindow->dialog : nullptr;
    if (shown != nullptr && (shown->window == nullptr || shown->helpPath != helpPath || shown->owner != ownerDialog))
        discard();

    std::string html;
    if (!read(files, L"help file", helpPath, ownerDialog, html)) return;
    std::string contentsFile;
    const HelpContents contents = read(files, L"contents file", contentsPathOf(helpPath), ownerDialog, contentsFile)
                                      ? parseHelpContents(contentsFile)
                                      : HelpContents{};
    if (shown == nullptr) {
        shown = std::make_unique<HelpWindow>();
        shown->helpPath = helpPath;
        shown->owner = ownerDialog;
        if (!createHelpWindow(*shown)) {
            shown.reset();
            return;
        }
    }
    const std::wstring title = contents.title.empty() ? wideFromPath(fileNameOf(helpPath)) : toWide(contents.title);
    showAtContents(*shown, title, contents, helpTextOf(html));
}

void Win32HelpViewer::close(const SystemPath& helpPath) {
    if (shown != nullptr && shown->helpPath == helpPath) discard();
}

void Win32HelpViewer::discard() {
    if (shown != nullptr && shown->window != nullptr) DestroyWindow(shown->window);
    shown.reset();
}

}  // namespace platform::win32
