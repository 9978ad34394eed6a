#include "install/system_services.h"

#include "platform/system/posix_install_files.h"
#include "platform/system/special_folders.h"

InstallServices systemInstallServices(platform::MessageBoxes& messages, platform::KeyStore& keys) {
    return {messages,
            keys,
            platform::systemInstallFiles(),
            platform::currentFolder(),
            platform::homeFolder(),
            platform::dataFolder(),
            platform::desktopFolder(),
            platform::programsFolder()};
}
