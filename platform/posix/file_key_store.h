#pragma once

#include <map>
#include <string>

#include "platform/key_store.h"
#include "platform/system_path.h"

namespace platform {

// A key store kept in one text file, read when it is opened and written
// whole (through a temporary file and a rename) after every change; a change
// that cannot be written is not made:
//   [SOFTWARE\Vendor\Key]
//   Name=value
// The parent key of the system's list of installed programs always exists.
class FileKeyStore final : public KeyStore {
  public:
    explicit FileKeyStore(SystemPath path);

    bool keyExists(const std::string& key) const override;
    bool createKey(const std::string& key) override;
    bool setString(const std::string& key, const std::string& name, const std::string& value) override;
    std::optional<std::string> queryString(const std::string& key, const std::string& name) const override;
    bool deleteKey(const std::string& key) override;

    // The store of the user's configuration folder.
    static SystemPath defaultPath();

  private:
    struct Key {
        std::string name;                                                   // as first created
        std::map<std::string, std::pair<std::string, std::string>> values;  // folded name -> (name, value)
    };

    void read();
    // Writes the store as `changed` and keeps that; on failure both the file
    // and the store stay as they were.
    bool commit(std::map<std::string, Key> changed);

    SystemPath path_;
    std::map<std::string, Key> keys_;  // by folded key path
};

}  // namespace platform
