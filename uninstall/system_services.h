#pragma once

#include "uninstall/uninstall_run.h"

// The uninstaller's folders on this machine: its current folder and the
// user's desktop and program-menu folders, as the system names them.
UninstallServices systemUninstallServices(platform::MessageBoxes& messages, platform::KeyStore& keys);
