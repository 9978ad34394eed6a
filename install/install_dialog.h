#pragma once

#include "install/install_run.h"
#include "platform/window.h"

// Identifiers of the install dialog's controls and the commands they send.
inline constexpr int FolderLabelId = 100;
inline constexpr int DesktopShortcutBoxId = 105;
inline constexpr int MenuShortcutBoxId = 110;
inline constexpr int FolderBoxId = 120;
inline constexpr int InstallButtonId = 125;
inline constexpr int InstallCancelButtonId = 130;

// The install dialog as it is built: caption, frame and controls.
platform::WindowSpec installDialogBlueprint();

// Runs the install dialog, both boxes checked and the default install folder
// in the folder box, until the user ends it: "&Install" installs with the choices
// shown and reports, "&Cancel" and the close box end it with nothing done.
// Enter and Escape do nothing.
void runInstallDialog(platform::Windows& windows, InstallServices& services);
