#include "uninstall/system_services.h"

#include "platform/special_folders.h"
#include "platform/system_install_files.h"

UninstallServices systemUninstallServices(platform::MessageBoxes& messages, platform::KeyStore& keys) {
    return {messages,
            keys,
            platform::systemInstallFiles(),
            platform::currentFolder(),
            platform::desktopFolder(),
            platform::programsFolder()};
}
