// The uninstaller: the Qt platform for its two message boxes, the key store
// of the user's configuration folder, and one run.
#include "platform/qt/qt_platform.h"
#include "platform/system/file_key_store.h"
#include "uninstall/system_services.h"

int main(int argc, char** argv) {
    platform::qt::QtPlatform qt(argc, argv);
    platform::FileKeyStore keys(platform::FileKeyStore::defaultPath());
    UninstallServices services = systemUninstallServices(qt.messageBoxes(), keys);
    runUninstall(services);
    return 0;
}
