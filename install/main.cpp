// The installer: the platform's desktop for its dialog and message boxes,
// the system's key store, and the install dialog. The program ends when the
// dialog does.
#include <memory>

#include "install/install_dialog.h"
#include "install/system_services.h"
#include "platform/desktop.h"
#include "platform/system_key_store.h"

int main(int argc, char** argv) {
    const std::unique_ptr<platform::Desktop> desktop = platform::openDesktop(argc, argv);
    InstallServices services = systemInstallServices(desktop->messageBoxes(), platform::systemKeyStore());
    runInstallDialog(desktop->windows(), services);
    return 0;
}
