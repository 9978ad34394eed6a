#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/files.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/print_surface.h"
#include "platform/system_path.h"
#include "platform/text_measure.h"
#include "platform/transliterator.h"
#include "platform/window.h"

namespace platform {

// Every service of the platform the catalogue program uses, as one backend
// provides them. It holds no decisions of its own: the program takes what it
// needs from here and never names the toolkit or system behind it.
struct Desktop {
    virtual ~Desktop() = default;

    virtual Windows& windows() = 0;
    virtual MessageBoxes& messageBoxes() = 0;
    virtual FileDialogs& fileDialogs() = 0;
    virtual HelpViewer& helpViewer() = 0;
    virtual Files& files() = 0;
    virtual const Clock& clock() = 0;
    virtual Transliterator& transliterator() = 0;
    // The program's own file, as the system names it.
    virtual SystemPath programFile() = 0;
    // The system's default printer, or none when there is none.
    virtual std::unique_ptr<PrintSurface> openDefaultPrinter() = 0;
    // Measures in the font the list boxes use; one unit of extent is
    // `dialogUnitsPerUnit` horizontal dialog units of that font.
    virtual std::unique_ptr<TextMeasure> listTextMeasure(double dialogUnitsPerUnit) = 0;
};

// The desktop of the backend the program is linked with. A program makes it
// first thing in main, with main's arguments, and keeps it until it ends.
std::unique_ptr<Desktop> openDesktop(int& argc, char** argv);

}  // namespace platform
