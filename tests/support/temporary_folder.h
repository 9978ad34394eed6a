#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

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
        do path = (base / ("quorvels-test-" + std::to_string(random() % 1000000000))).string();
        while (!std::filesystem::create_directory(path));
        std::filesystem::permissions(path, std::filesystem::perms::all);
    }
    ~TemporaryFolder() {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(path, fs::perms::all, ignored);
        for (auto& entry : fs::recursive_directory_iterator(path, ignored))
            if (!entry.is_symlink()) fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string operator/(const std::string& name) const { return path + PathSeparator + name; }

    std::string path;
};

inline void writeFile(const std::string& path, const std::string& contents) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

inline std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}
