// The installer: the Qt platform, the system's key store, and the install
// dialog. The program ends when the dialog does.
#include "install/install_dialog.h"
#include "install/system_services.h"
#include "platform/qt/qt_platform.h"
#include "platform/system/system_key_store.h"

int main(int argc, char** argv) {
    platform::qt::QtPlatform qt(argc, argv);
    InstallServices services = systemInstallServices(qt.messageBoxes(), platform::systemKeyStore());
    runInstallDialog(qt.windows(), services);
    return 0;
}
