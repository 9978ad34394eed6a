#pragma once

#include "platform/key_store.h"

namespace platform {

// The store the installer and the uninstaller keep the uninstall entry in:
// the system registry's HKEY_LOCAL_MACHINE on Windows, and on Linux a file in
// the user's configuration folder standing in for it.
KeyStore& systemKeyStore();

}  // namespace platform
