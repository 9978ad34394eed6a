// The uninstaller: the Qt platform for its two message boxes, the
// system's key store, and one run.
#include "platform/qt/qt_platform.h"
#include "platform/system/system_key_store.h"
#include "uninstall/system_services.h"

int main(int argc, char** argv) {
    platform::qt::QtPlatform qt(argc, argv);
    UninstallServices services = systemUninstallServices(qt.messageBoxes(), platform::systemKeyStore());
    runUninstall(services);
    return 0;
}
