#include "mainwindow/about_box.h"

#include <string>

#include "storage/catalogue_file.h"

void showAboutBox(platform::MessageBoxes& messages) {
    // The credit line carries the version the catalogue files are written with.
    const std::string text =
        "Lectorium\r\n"
        "\r\n" +
        std::string(FileMagic) +
        ", written by the Quorvels developers\r\n"
        "\r\n"
        "Write to quorvels@example.org";
    messages.messageBox(text, "About Quorvel", platform::Buttons::Ok, platform::Icon::Information);
}
