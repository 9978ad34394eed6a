#pragma once

#include <memory>

#include "platform/file_dialogs.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/text_measure.h"
#include "platform/window.h"

namespace platform::qt {

// The Qt toolkit behind the platform interfaces. A program creates one, first
// thing in main, and keeps it until it ends; this header holds no Qt, so the
// program's own code needs none.
class QtPlatform {
public:
    QtPlatform(int& argc, char** argv);
    ~QtPlatform();

    Windows& windows();
    MessageBoxes& messageBoxes();
    FileDialogs& fileDialogs();
    HelpViewer& helpViewer();
    // Measures in the font the list boxes use; one unit of extent is
    // `dialogUnitsPerUnit` horizontal dialog units of that font.
    std::unique_ptr<TextMeasure> listTextMeasure(double dialogUnitsPerUnit);

private:
    struct Parts;
    std::unique_ptr<Parts> parts;
};

}  // namespace platform::qt
