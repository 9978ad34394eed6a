#pragma once

#include <optional>
#include <string>

namespace platform {

// The key under which the system lists its installed programs, each in a key
// of its own with a display name and the command that uninstalls it.
inline constexpr const char* UninstallParentKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// A small hierarchical store of string values, standing in for the system
// registry: keys are paths with "\" between their levels, and both key names
// and value names compare without regard to letter case. Values are kept as
// given: a path is kept as the system names it.
struct KeyStore {
    virtual ~KeyStore() = default;

    virtual bool keyExists(const std::string& key) const = 0;
    // Creates the key, or opens it when it exists; false when the store cannot be written.
    virtual bool createKey(const std::string& key) = 0;
    // Sets a value of an existing key; false when the key is missing or the store cannot be written.
    virtual bool setString(const std::string& key, const std::string& name, const std::string& value) = 0;
    virtual std::optional<std::string> queryString(const std::string& key, const std::string& name) const = 0;
    // Deletes a key with its values; false when it was not there or the store cannot be written.
    virtual bool deleteKey(const std::string& key) = 0;
};

}  // namespace platform
