#include "uninstall/system_services.h"

#include "platform/system_install_files.h"
#include "platform/special_folders.h"

UninstallServices systemUninstallServices(platform::MessageBoxes& messages, platform::KeyStore& keys) {
    return {messages, keys, platform::systemInstallFiles(), platform::currentFolder(), platform::desktopFolder(), platform::programsFolder()};
}
