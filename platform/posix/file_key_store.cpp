#include "platform/posix/file_key_store.h"

#include <filesystem>
#include <fstream>

#include "platform/path_form.h"
#include "platform/posix/filesystem_path.h"
#include "platform/posix/xdg_folders.h"
#include "platform/special_folders.h"
#include "platform/system_key_store.h"

namespace platform {

namespace {

std::string folded(const std::string& text) {
    std::string result = text;
    for (char& ch : result)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return result;
}

bool fitsOnOneLine(const std::string& text) { return text.find_first_of("\r\n") == std::string::npos; }

}  // namespace

FileKeyStore::FileKeyStore(SystemPath path) : path_(std::move(path)) {
    read();
    keys_.try_emplace(folded(UninstallParentKey), Key{UninstallParentKey, {}});
}

SystemPath FileKeyStore::defaultPath() { return inFolder(configFolder(), SystemPath::fromSystem("quorvels-keys.ini")); }

void FileKeyStore::read() {
    std::ifstream file(filesystemPath(path_), std::ios::binary);
    std::string line;
    Key* current = nullptr;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string name = line.substr(1, line.size() - 2);
            current = &keys_.try_emplace(folded(name), Key{name, {}}).first->second;
        } else if (const auto equals = line.find('='); current != nullptr && equals != std::string::npos) {
            const std::string name = line.substr(0, equals);
            current->values[folded(name)] = {name, line.substr(equals + 1)};
        }
    }
}

bool FileKeyStore::commit(std::map<std::string, Key> changed) {
    std::error_code error;
    const std::filesystem::path target = filesystemPath(path_);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
    const std::filesystem::path temporary = filesystemPath(withSuffix(path_, ".new"));
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        for (const auto& [foldedName, key] : changed) {
            file << '[' << key.name << "]\n";
            for (const auto& [foldedValue, value] : key.values) file << value.first << '=' << value.second << '\n';
        }
        file.flush();
        if (!file) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    keys_ = std::move(changed);
    return true;
}

bool FileKeyStore::keyExists(const std::string& key) const { return keys_.count(folded(key)) != 0; }

bool FileKeyStore::createKey(const std::string& key) {
    if (key.empty() || !fitsOnOneLine(key) || key.find(']') != std::string::npos) return false;
    auto changed = keys_;
    changed.try_emplace(folded(key), Key{key, {}});
    return commit(std::move(changed));
}

bool FileKeyStore::setString(const std::string& key, const std::string& name, const std::string& value) {
    if (!keyExists(key) || name.empty() || name.find('=') != std::string::npos || !fitsOnOneLine(name) ||
        !fitsOnOneLine(value))
        return false;
    auto changed = keys_;
    changed[folded(key)].values[folded(name)] = {name, value};
    return commit(std::move(changed));
}

std::optional<std::string> FileKeyStore::queryString(const std::string& key, const std::string& name) const {
    const auto found = keys_.find(folded(key));
    if (found == keys_.end()) return std::nullopt;
    const auto value = found->second.values.find(folded(name));
    if (value == found->second.values.end()) return std::nullopt;
    return value->second.second;
}

bool FileKeyStore::deleteKey(const std::string& key) {
    auto changed = keys_;
    if (changed.erase(folded(key)) == 0) return false;
    return commit(std::move(changed));
}

KeyStore& systemKeyStore() {
    static FileKeyStore store(FileKeyStore::defaultPath());
    return store;
}

}  // namespace platform
