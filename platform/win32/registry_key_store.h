#pragma once

#include <string>

#include "platform/key_store.h"

namespace platform {

// The system registry under one root key (a HKEY), as a KeyStore: key paths
// and values are UTF-8, as a SystemPath holds a name, UTF-16 in the registry; values are
// REG_SZ of at most MaxValueLength characters.
struct RegistryKeyStore final : KeyStore {
    static constexpr std::size_t MaxValueLength = 255;

    explicit RegistryKeyStore(void* root) : root(root) {}

    bool keyExists(const std::string& key) const override;
    bool createKey(const std::string& key) override;
    bool setString(const std::string& key, const std::string& name, const std::string& value) override;
    std::optional<std::string> queryString(const std::string& key, const std::string& name) const override;
    bool deleteKey(const std::string& key) override;

  private:
    void* root;  // an HKEY; the registry itself compares names without regard to case
};

}  // namespace platform
