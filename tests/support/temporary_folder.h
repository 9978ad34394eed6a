#pragma once

#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <string>

#include "tests/support/test_path.h"

// The separator of the system's paths, for joining names in tests.
#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends. Open to every user, so that a test may drop
// to an unprivileged user inside it.
struct TemporaryFolder {
    TemporaryFolder() {
        std::mt19937_64 random{std::random_device{}()};
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        do path = systemPathOf(base / ("quorvels-test-" + std::to_string(random() % 1000000000)));
        while (!std::filesystem::create_directory(fsPath(path)));
        std::filesystem::permissions(fsPath(path), std::filesystem::perms::all);
    }
    ~TemporaryFolder() {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(fsPath(path), fs::perms::all, ignored);
        for (auto& entry : fs::recursive_directory_iterator(fsPath(path), ignored))
            if (!entry.is_symlink())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(fsPath(path), ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // The name may hold further folders, "/" between them.
    TestPath operator/(std::string name) const {
        for (char& ch : name)
            if (ch == '/') ch = PathSeparator;
        return path + PathSeparator + name;
    }

    TestPath path;
};

inline void writeFile(const std::string& path, const std::string& contents) {
    std::filesystem::create_directories(fsPath(path).parent_path());
    std::ofstream(fsPath(path), std::ios::binary) << contents;
}

inline std::string readFile(const std::string& path) {
    std::ifstream file(fsPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}
