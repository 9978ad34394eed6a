#include "install/system_services.h"

#include "platform/cp1252.h"
#include "platform/system/special_folders.h"

InstallServices systemInstallServices(platform::MessageBoxes& messages, platform::KeyStore& keys) {
    using platform::fromNativeText;
    return {messages,
            keys,
            fromNativeText(platform::currentFolder()),
            fromNativeText(platform::homeFolder()),
            fromNativeText(platform::dataFolder()),
            fromNativeText(platform::desktopFolder()),
            fromNativeText(platform::programsFolder())};
}
