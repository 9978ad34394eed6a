#include "platform/program_arguments.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>

#include "platform/win32/wide_text.h"

namespace platform {

namespace {

// A stream already led to a file or a pipe (the parent redirected it) keeps
// its way; any other has nowhere to write.
bool leadsSomewhere(DWORD stream) {
    const DWORD type = GetFileType(GetStdHandle(stream));
    return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}

}  // namespace

std::vector<std::string> programArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return {argv + 1, argv + argc};  // out of memory: the ANSI form is all there is
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(pathFromWide(wide[i]).systemBytes());
    LocalFree(wide);
    return arguments;
}

void useParentConsole() {
    const bool output = leadsSomewhere(STD_OUTPUT_HANDLE);
    const bool error = leadsSomewhere(STD_ERROR_HANDLE);
    // Started from the desktop there is no console to attach to, and none is opened.
    if ((output && error) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!output) static_cast<void>(std::freopen("CONOUT$", "w", stdout));
    if (!error) static_cast<void>(std::freopen("CONOUT$", "w", stderr));
}

}  // namespace platform
