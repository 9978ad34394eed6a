#include "platform/win32/registry_key_store.h"

#include <windows.h>

#include <vector>

#include "platform/system_key_store.h"
#include "platform/win32/wide_text.h"

namespace platform {

namespace {

HKEY asKey(void* root) { return static_cast<HKEY>(root); }

// The key opened with `access`, or nullptr.
HKEY openKey(void* root, const std::string& key, REGSAM access) {
    HKEY opened = nullptr;
    return RegOpenKeyExW(asKey(root), wideFromPath(key).c_str(), 0, access, &opened) == ERROR_SUCCESS ? opened
                                                                                                      : nullptr;
}

}  // namespace

bool RegistryKeyStore::keyExists(const std::string& key) const {
    HKEY opened = openKey(root, key, KEY_QUERY_VALUE);
    if (opened != nullptr) RegCloseKey(opened);
    return opened != nullptr;
}

bool RegistryKeyStore::createKey(const std::string& key) {
    if (key.empty()) return false;
    HKEY created = nullptr;
    if (RegCreateKeyExW(asKey(root), wideFromPath(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                        &created, nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(created);
    return true;
}

bool RegistryKeyStore::setString(const std::string& key, const std::string& name, const std::string& value) {
    const std::wstring text = wideFromPath(value);
    if (name.empty() || text.size() > MaxValueLength) return false;
    HKEY opened = openKey(root, key, KEY_SET_VALUE);
    if (opened == nullptr) return false;
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));  // with its terminating zero
    const LSTATUS status = RegSetValueExW(opened, wideFromPath(name).c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(text.c_str()), bytes);
    RegCloseKey(opened);
    return status == ERROR_SUCCESS;
}

std::optional<std::string> RegistryKeyStore::queryString(const std::string& key, const std::string& name) const {
    const std::wstring wideKey = wideFromPath(key), wideName = wideFromPath(name);
    // RRF_RT_REG_SZ: only a string value, returned with its terminating zero.
    std::vector<wchar_t> buffer(MaxValueLength + 1);
    for (;;) {
        DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegGetValueW(asKey(root), wideKey.c_str(), wideName.c_str(), RRF_RT_REG_SZ, nullptr, buffer.data(), &bytes);
        if (status == ERROR_MORE_DATA) {
            buffer.resize(bytes / sizeof(wchar_t) + 1);
            continue;
        }
        if (status != ERROR_SUCCESS) return std::nullopt;
        const std::size_t length = bytes / sizeof(wchar_t);
        return pathFromWide({buffer.data(), length > 0 ? length - 1 : 0}).systemBytes();
    }
}

// RegDeleteKeyW deletes a key with its values, but not one that has keys of its own.
bool RegistryKeyStore::deleteKey(const std::string& key) {
    return !key.empty() && RegDeleteKeyW(asKey(root), wideFromPath(key).c_str()) == ERROR_SUCCESS;
}

KeyStore& systemKeyStore() {
    static RegistryKeyStore store(HKEY_LOCAL_MACHINE);
    return store;
}

}  // namespace platform
