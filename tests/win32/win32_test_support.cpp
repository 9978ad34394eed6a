#include "tests/win32/win32_test_support.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/system_files.h"
#include "platform/win32/wide_path.h"
#include "platform/win32/wide_text.h"

namespace win32_test {

namespace {

std::set<std::wstring> entriesOf(const TestPath& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(platform::widePath(TestPath(folder + "\\*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.insert(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void removeAll(const TestPath& path) {
    const std::wstring wide = platform::widePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        DeleteFileW(wide.c_str());
        return;
    }
    for (const std::wstring& name : entriesOf(path))
        removeAll(path + "\\" + platform::pathFromWide(name).systemBytes());
    RemoveDirectoryW(wide.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    static int count = 0;
    const std::wstring name = std::wstring(temp) + L"quorvels-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++count);
    path = platform::pathFromWide(name).systemBytes();
    removeAll(path);
    EXPECT_TRUE(CreateDirectoryW(name.c_str(), nullptr)) << GetLastError();
}

TempFolder::~TempFolder() { removeAll(path); }

std::string contentsOf(const TestPath& path) {
    std::string contents;
    return platform::systemFiles().readFile(path, 1u << 30, contents) == 0 ? contents : "<missing>";
}

void writeFile(const TestPath& path, const std::string& bytes) {
    HANDLE file = CreateFileW(platform::widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path << ": " << GetLastError();
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    CloseHandle(file);
}

std::string namesIn(const TestPath& folder) {
    std::string names;
    for (const std::wstring& name : entriesOf(folder)) {
        if (!names.empty()) names += ' ';
        names += platform::pathFromWide(name).systemBytes();
    }
    return names;
}

void setAttributes(const TestPath& path, unsigned long attributes) {
    ASSERT_TRUE(SetFileAttributesW(platform::widePath(path).c_str(), attributes)) << path;
}

unsigned long attributesOf(const TestPath& path) { return GetFileAttributesW(platform::widePath(path).c_str()); }

unsigned long run(const std::wstring& commandLine, std::string* output) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return ~0ul;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    const bool started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    // Read to the end before waiting, so a child with much to say is not stuck on a full pipe.
    while (started && ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(readEnd);
    if (!started) return ~0ul;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (output != nullptr) *output = text;
    return exitCode;
}

std::wstring thisProgram() {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return {buffer.data(), length};
}

}  // namespace win32_test
