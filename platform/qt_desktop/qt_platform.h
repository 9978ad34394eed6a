#pragma once

#include <memory>

#include "platform/file_dialogs.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/text_measure.h"
#include "platform/window.h"

namespace platform::qt {

// The Qt toolkit behind the windowing and dialog interfaces: the application,
// made first, and the windows, message boxes, file dialogs and help viewer
// on it. The Qt desktop holds one for the program's whole run.
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
