#pragma once

#include <string>

#include "tests/support/test_path.h"

namespace win32_test {

// A fresh folder under the system's temporary folder, removed with all it
// holds (attributes cleared first) when the test ends.
struct TempFolder {
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    TestPath path;
    TestPath operator/(const std::string& name) const { return path + "\\" + name; }
};

// The whole file, or "<missing>" when it cannot be read.
std::string contentsOf(const TestPath& path);
void writeFile(const TestPath& path, const std::string& bytes);

// The names in a folder, "." and ".." left out, sorted.
std::string namesIn(const TestPath& folder);

// Sets or reads the file's attributes (FILE_ATTRIBUTE_...).
void setAttributes(const TestPath& path, unsigned long attributes);
unsigned long attributesOf(const TestPath& path);

// Runs a command line, waits for it, and returns its exit code; its
// standard output (as the system's OEM code page has it) goes to `output`.
unsigned long run(const std::wstring& commandLine, std::string* output = nullptr);

// The path of this test program.
std::wstring thisProgram();

}  // namespace win32_test
