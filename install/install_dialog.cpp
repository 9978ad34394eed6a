#include "install/install_dialog.h"

using platform::ControlKind;
using platform::MessageKind;

platform::WindowSpec installDialogBlueprint() {
    platform::WindowSpec blueprint;
    blueprint.caption = "Install Quorvel";
    blueprint.width = 245;
    blueprint.height = 177;
    blueprint.placement = platform::Placement::CentredOnScreen;
    blueprint.minimiseBox = true;
    blueprint.controls = {
        {ControlKind::CheckBox, "Create shortcut for desktop", DesktopShortcutBoxId, 8, 20, 104, 12},
        {ControlKind::CheckBox, "Create shortcut for Program Menu", MenuShortcutBoxId, 8, 34, 128, 12},
        {ControlKind::Label, "Folder to Install Quorvel:", FolderLabelId, 8, 76, 139, 12},
        {ControlKind::TextBox, "", FolderBoxId, 24, 88, 192, 12, platform::style::HoldsPath},
        {ControlKind::PushButton, "&Install", InstallButtonId, 29, 118, 53, 32},
        {ControlKind::PushButton, "&Cancel", InstallCancelButtonId, 101, 118, 53, 32},
    };
    return blueprint;
}

void runInstallDialog(platform::Windows& windows, InstallServices& services) {
    const auto handler = [&](platform::WindowHandle window, const platform::Message& message) {
        if (message.kind == MessageKind::Init) {
            windows.setChecked(window, DesktopShortcutBoxId, true);
            windows.setChecked(window, MenuShortcutBoxId, true);
            windows.setPathText(window, FolderBoxId, defaultInstallFolder(services.installParentFolder));
        } else if (message.kind == MessageKind::CloseRequest) {
            windows.endWindow(window);
        } else if (message.kind == MessageKind::Command && message.id == InstallCancelButtonId) {
            windows.endWindow(window);
        } else if (message.kind == MessageKind::Command && message.id == InstallButtonId) {
            runInstall(services,
                       {windows.pathText(window, FolderBoxId), windows.isChecked(window, DesktopShortcutBoxId),
                        windows.isChecked(window, MenuShortcutBoxId)});
            windows.endWindow(window);
        }
    };
    windows.runWindow(installDialogBlueprint(), {}, handler);
}
