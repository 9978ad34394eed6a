// The uninstaller: the platform's desktop for its two message boxes, the
// system's key store, and one run.
#include <memory>

#include "platform/desktop.h"
#include "platform/system_key_store.h"
#include "uninstall/system_services.h"

int main(int argc, char** argv) {
    const std::unique_ptr<platform::Desktop> desktop = platform::openDesktop(argc, argv);
    UninstallServices services = systemUninstallServices(desktop->messageBoxes(), platform::systemKeyStore());
    runUninstall(services);
    return 0;
}
