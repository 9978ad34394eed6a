// The atomic save on Windows: the calls in their safe order, every call
// failing in turn, a save killed at each call, and what only Windows has:
// attributes, names outside the ANSI code page, paths beyond MAX_PATH.
#include <windows.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

#include "platform/system_files.h"
#include "platform/testing/failing_win32_calls.h"
#include "platform/win32/wide_path.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_errors.h"
#include "platform/win32/win32_files.h"
#include "tests/win32/win32_test_support.h"

namespace {

using namespace win32_test;
using platform::ReplaceResult;
using platform::scripted::FailingWin32Calls;

const std::string OldBytes = "the old catalogue\r\n";
const std::string NewBytes = std::string(100000, 'n') + "the new catalogue";

std::vector<std::string> callsOfASave(const TestPath& path) {
    FailingWin32Calls failing(platform::systemWin32FileCalls());
    platform::Win32Files files(failing);
    EXPECT_EQ(files.replaceWhole(path, NewBytes).outcome, ReplaceResult::Replaced);
    return failing.calls;
}

TEST(Win32Save, TheCallsComeInTheSafeOrder) {
    TempFolder folder;
    EXPECT_EQ(callsOfASave(folder / "new.pmr"),
              (std::vector<std::string>{"status", "createNew", "write", "flush", "close", "move"}));
    writeFile(folder / "c.pmr", OldBytes);
    EXPECT_EQ(callsOfASave(folder / "c.pmr"),
              (std::vector<std::string>{"status", "createNew", "write", "flush", "close", "replace", "flushFile"}));
    EXPECT_TRUE(contentsOf(folder / "c.pmr") == NewBytes);
    EXPECT_EQ(namesIn(folder.path), "c.pmr new.pmr");
}

// Each call fails once and for good, over an existing file and a new one:
// before the file is put in place nothing changes and no temporary is left;
// when only the confirming flush fails the new file is there, unconfirmed.
TEST(Win32Save, EveryCallFailingInTurnLeavesTheOldOrTheNewFileWhole) {
    TempFolder folder;
    const TestPath path = folder / "c.pmr";
    for (const bool existing : {true, false}) {
        DeleteFileW(platform::widePath(path).c_str());
        if (existing) writeFile(path, OldBytes);
        const std::size_t count = callsOfASave(path).size();
        for (const auto failure : {FailingWin32Calls::Failure::Once, FailingWin32Calls::Failure::ForGood})
            for (std::size_t k = 0; k < count; ++k) {
                DeleteFileW(platform::widePath(path).c_str());
                if (existing) writeFile(path, OldBytes);
                FailingWin32Calls failing(platform::systemWin32FileCalls());
                failing.failAt = static_cast<int>(k);
                failing.failure = failure;
                platform::Win32Files files(failing);
                const ReplaceResult result = files.replaceWhole(path, NewBytes);
                const std::string failed = failing.failedCall();
                SCOPED_TRACE((existing ? "existing, " : "new, ") + std::to_string(k) + ": " + failed);
                if (failed == "flushFile") {
                    EXPECT_EQ(result.outcome, ReplaceResult::ReplacedUnconfirmed);
                    EXPECT_TRUE(contentsOf(path) == NewBytes);
                } else {
                    EXPECT_EQ(result.outcome, ReplaceResult::NotReplaced);
                    EXPECT_TRUE(contentsOf(path) == (existing ? OldBytes : "<missing>"));
                }
                EXPECT_EQ(result.error, EIO);
                EXPECT_EQ(result.reason, platform::systemReason(ERROR_WRITE_FAULT));
                EXPECT_EQ(result.target, path);
                EXPECT_EQ(namesIn(folder.path), existing || failed == "flushFile" ? "c.pmr" : "");
            }
    }
}

// ReplaceFileW as it fails after removing the old file
// (ERROR_UNABLE_TO_MOVE_REPLACEMENT); the other calls are the system's.
struct ReplaceLosingTheTarget final : platform::Win32FileCalls {
    Win32FileCalls& real = platform::systemWin32FileCalls();
    Error readFile(const platform::SystemPath& p, std::size_t m, std::string& c) override {
        return real.readFile(p, m, c);
    }
    Error status(const platform::SystemPath& p, bool f, platform::FileInfo& i) override { return real.status(p, f, i); }
    Error finalPath(const platform::SystemPath& p, platform::SystemPath& t) override { return real.finalPath(p, t); }
    Error createNew(const platform::SystemPath& p, Handle& h) override { return real.createNew(p, h); }
    Error write(Handle h, std::string_view b) override { return real.write(h, b); }
    Error flush(Handle h) override { return real.flush(h); }
    Error close(Handle h) override { return real.close(h); }
    Error replace(const platform::SystemPath&, const platform::SystemPath& t) override {
        real.remove(t);
        return ERROR_UNABLE_TO_MOVE_REPLACEMENT;
    }
    Error move(const platform::SystemPath& f, const platform::SystemPath& t) override { return real.move(f, t); }
    Error flushFile(const platform::SystemPath& p) override { return real.flushFile(p); }
    Error remove(const platform::SystemPath& p) override { return real.remove(p); }
    Error openLockFile(const platform::SystemPath& p, bool s, Handle& h) override { return real.openLockFile(p, s, h); }
};

TEST(Win32Save, AReplacementThatLostTheOldFileStillLeavesTheNewOneInItsPlace) {
    TempFolder folder;
    writeFile(folder / "c.pmr", OldBytes);
    ReplaceLosingTheTarget calls;
    platform::Win32Files files(calls);
    EXPECT_EQ(files.replaceWhole(folder / "c.pmr", NewBytes).outcome, ReplaceResult::Replaced);
    EXPECT_TRUE(contentsOf(folder / "c.pmr") == NewBytes);
    EXPECT_EQ(namesIn(folder.path), "c.pmr");
}

// Run only as the child of the test below: a save killed at the call the
// environment names.
TEST(Win32Save, DISABLED_KilledChild) {
    char at[16] = {}, folder[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("QUORVELS_KILL_AT", at, sizeof at), 0u);
    ASSERT_GT(GetEnvironmentVariableA("QUORVELS_KILL_FOLDER", folder, sizeof folder), 0u);
    FailingWin32Calls failing(platform::systemWin32FileCalls());
    failing.failAt = std::atoi(at);
    failing.failure = FailingWin32Calls::Failure::Kill;
    platform::Win32Files files(failing);
    const TestPath path = std::string(folder) + "\\c.pmr";
    const platform::HoldResult held = platform::systemFiles().holdOpen(path);  // as the program holds its catalogue
    files.replaceWhole(path, NewBytes);
}

// The test program itself, run as a child, holds the file, saves and is ended
// at each call in turn, as a crash would end it: the file is the whole old one
// or the whole new one; only the temporary may be left beside it, not the lock
// file, and nobody holds the file any more.
TEST(Win32Save, ASaveKilledAtEachCallLeavesTheOldOrTheNewFileWhole) {
    TempFolder folder;  // an ASCII name, for the environment
    const TestPath path = folder / "c.pmr";
    writeFile(path, OldBytes);
    const std::size_t count = callsOfASave(path).size();
    SetEnvironmentVariableA("QUORVELS_KILL_FOLDER", folder.path.c_str());
    int sawNew = 0;
    for (std::size_t k = 0; k < count; ++k) {
        writeFile(path, OldBytes);
        SetEnvironmentVariableA("QUORVELS_KILL_AT", std::to_string(k).c_str());
        const unsigned long exitCode =
            run(L"\"" + thisProgram() +
                L"\" --gtest_also_run_disabled_tests --gtest_filter=Win32Save.DISABLED_KilledChild");
        ASSERT_EQ(exitCode, FailingWin32Calls::KilledExitCode) << "call " << k << " was not reached";
        const std::string now = contentsOf(path);
        EXPECT_TRUE(now == OldBytes || now == NewBytes) << "killed at call " << k << ": " << now.size() << " bytes";
        sawNew += now == NewBytes;
        // Sorted, a left temporary ".c.pmr.xxxxxxxx.tmp" comes first.
        const std::string names = namesIn(folder.path);
        const bool temporaryLeft =
            names.size() == 25 && names.rfind(".c.pmr.", 0) == 0 && names.substr(15) == ".tmp c.pmr";
        EXPECT_TRUE(names == "c.pmr" || temporaryLeft) << names;
        if (temporaryLeft) DeleteFileW(platform::widePath(folder / names.substr(0, 19)).c_str());
        EXPECT_FALSE(platform::systemFiles().holdOpen(path).heldElsewhere) << "killed at call " << k;
    }
    SetEnvironmentVariableA("QUORVELS_KILL_AT", nullptr);
    SetEnvironmentVariableA("QUORVELS_KILL_FOLDER", nullptr);
    EXPECT_EQ(sawNew, 1);  // killed at the confirming flush only
}

TEST(Win32Save, AttributesFoldersAndDevices) {
    TempFolder folder;
    platform::Files& files = platform::systemFiles();
    platform::FileInfo info;

    // A hidden file is replaced and stays hidden.
    writeFile(folder / "hidden.pmr", OldBytes);
    setAttributes(folder / "hidden.pmr", FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(files.replaceWhole(folder / "hidden.pmr", NewBytes).outcome, ReplaceResult::Replaced);
    EXPECT_TRUE(contentsOf(folder / "hidden.pmr") == NewBytes);
    EXPECT_NE(attributesOf(folder / "hidden.pmr") & FILE_ATTRIBUTE_HIDDEN, 0u);
    ASSERT_EQ(files.status(folder / "hidden.pmr", true, info), 0);
    EXPECT_TRUE(info.isRegular);
    EXPECT_EQ(info.permissions, 0666u);
    EXPECT_EQ(info.size, NewBytes.size());

    // A read-only file is refused and left whole.
    writeFile(folder / "ro.pmr", OldBytes);
    setAttributes(folder / "ro.pmr", FILE_ATTRIBUTE_READONLY);
    ASSERT_EQ(files.status(folder / "ro.pmr", false, info), 0);
    EXPECT_EQ(info.permissions, 0444u);
    const ReplaceResult refused = files.replaceWhole(folder / "ro.pmr", NewBytes);
    EXPECT_EQ(refused.outcome, ReplaceResult::NotReplaced);
    EXPECT_EQ(refused.error, EACCES);
    EXPECT_EQ(refused.reason, platform::systemReason(ERROR_ACCESS_DENIED) + " (the file is read-only)");
    EXPECT_EQ(contentsOf(folder / "ro.pmr"), OldBytes);
    EXPECT_NE(attributesOf(folder / "ro.pmr") & FILE_ATTRIBUTE_READONLY, 0u);

    // A folder is neither read nor replaced; a missing file is not there.
    std::string contents;
    CreateDirectoryW(platform::widePath(folder / "sub").c_str(), nullptr);
    EXPECT_EQ(files.readFile(folder / "sub", 100, contents), EISDIR);
    EXPECT_EQ(files.replaceWhole(folder / "sub", NewBytes).error, EISDIR);
    EXPECT_EQ(files.readFile(folder / "none.pmr", 100, contents), ENOENT);
    EXPECT_EQ(files.readFile(folder / "no folder\\none.pmr", 100, contents), ENOENT);
    EXPECT_EQ(files.readFile(folder / "bad?name.pmr", 100, contents), ENOENT);
    EXPECT_EQ(files.replaceWhole(folder / "no folder\\c.pmr", NewBytes).error, ENOENT);
    EXPECT_EQ(namesIn(folder.path), "hidden.pmr ro.pmr sub");

    // A pipe is opened but not read, so nothing waits for a writer.
    const std::wstring pipeName = L"\\\\.\\pipe\\quorvels-test-" + std::to_wstring(GetCurrentProcessId());
    HANDLE pipe = CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    EXPECT_EQ(files.readFile(platform::pathFromWide(pipeName), 100, contents), EINVAL);
    CloseHandle(pipe);

    // Reading stops at the limit; a file may be read while it is open for writing.
    HANDLE open = CreateFileW(platform::widePath(folder / "hidden.pmr").c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(files.readFile(folder / "hidden.pmr", 10, contents), 0);
    EXPECT_EQ(contents, NewBytes.substr(0, 10));
    CloseHandle(open);
}

// Names outside any ANSI code page, and a path far beyond MAX_PATH.
TEST(Win32Save, NamesTheAnsiCodePageCannotHoldAndPathsBeyondMaxPath) {
    TempFolder folder;
    platform::Files& files = platform::systemFiles();
    const TestPath name =
        "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC "          // Ελληνικά
        "\xD0\x9A\xD0\xB8\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB\xD0\xB8\xD1\x86\xD0\xB0 "  // Кириллица
        "\xE6\xBC\xA2\xE5\xAD\x97 \xF0\x9F\x93\x9A.pmr";                             // 漢字 📚
    for (int round = 0; round < 2; ++round) {                                        // created, then replaced
        const std::string bytes = NewBytes + std::to_string(round);
        EXPECT_EQ(files.replaceWhole(folder / name, bytes).outcome, ReplaceResult::Replaced);
        EXPECT_TRUE(contentsOf(folder / name) == bytes);
    }
    EXPECT_EQ(namesIn(folder.path), name);

    TestPath deep = folder.path;
    for (int level = 0; deep.size() < 400; ++level) {
        deep += "\\" + std::string(60, static_cast<char>('a' + level));
        ASSERT_TRUE(CreateDirectoryW(platform::widePath(deep).c_str(), nullptr)) << deep.size();
    }
    const TestPath longPath = deep + "\\" + name;
    ASSERT_GT(longPath.size(), static_cast<std::size_t>(MAX_PATH));
    for (int round = 0; round < 2; ++round) {
        const std::string bytes = OldBytes + std::to_string(round);
        const ReplaceResult result = files.replaceWhole(longPath, bytes);
        EXPECT_EQ(result.outcome, ReplaceResult::Replaced) << result.reason;
        EXPECT_EQ(contentsOf(longPath), bytes);
    }
    platform::FileInfo info;
    ASSERT_EQ(files.status(longPath, false, info), 0);
    EXPECT_EQ(info.size, OldBytes.size() + 1);
    EXPECT_EQ(namesIn(deep), name);
}

}  // namespace
