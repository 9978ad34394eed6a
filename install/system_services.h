#pragma once

#include "install/install_run.h"

// The installer's folders on this machine: its current folder and the
// user's home, data, desktop and program-menu folders, as the system names them.
InstallServices systemInstallServices(platform::MessageBoxes& messages, platform::KeyStore& keys);
