// The installer: the Qt platform, the key store of the user's configuration
// folder, and the install dialog. The program ends when the dialog does.
#include "install/install_dialog.h"
#include "install/system_services.h"
#include "platform/qt/qt_platform.h"
#include "platform/system/file_key_store.h"

int main(int argc, char** argv) {
    platform::qt::QtPlatform qt(argc, argv);
    platform::FileKeyStore keys(platform::FileKeyStore::defaultPath());
    InstallServices services = systemInstallServices(qt.messageBoxes(), keys);
    runInstallDialog(qt.windows(), services);
    return 0;
}
