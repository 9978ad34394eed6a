#include "install/system_services.h"

#include "platform/special_folders.h"
#include "platform/system_install_files.h"

InstallServices systemInstallServices(platform::MessageBoxes& messages, platform::KeyStore& keys) {
    return {messages,
            keys,
            platform::systemInstallFiles(),
            platform::currentFolder(),
            platform::homeFolder(),
            platform::installParentFolder(),
            platform::desktopFolder(),
            platform::programsFolder()};
}
