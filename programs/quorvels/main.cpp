// The catalogue program: its commands without a window, or the platform's
// desktop, the program's single objects, and the run.
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "mainwindow/command_line.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/remembering_measure.h"
#include "mainwindow/startup.h"
#include "platform/desktop.h"
#include "platform/program_arguments.h"
#include "platform/special_folders.h"
#include "platform/system_services.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = platform::programArguments(argc, argv);
    if (namesCommand(arguments)) platform::useParentConsole();
    const platform::SystemServices system = platform::systemServices();
    if (const auto status = runCommandLine(arguments, system.files, system.clock, std::cout, std::cerr)) return *status;

    // The start folder as the system names it (UTF-8 on Windows), once it
    // is known to be readable.
    std::error_code error;
    static_cast<void>(std::filesystem::current_path(error));
    if (error) {
        std::cerr << "quorvels: the folder it was started in cannot be read: " << error.message() << "\n";
        return 1;
    }
    const platform::SystemPath startDirectory = platform::currentFolder();

    // The catalogue start-up will load first is read on a thread of its own
    // while the toolkit starts. Named by the arguments before the toolkit has
    // taken its own from them: start-up loads it again if that guess was wrong.
#if defined(__GLIBC__)
    // One heap for every thread, so that what the load frees is used again by
    // the window instead of staying with the loading thread's own heap.
    mallopt(M_ARENA_MAX, 1);
#endif
    std::ostringstream ignored;
    const std::optional<platform::SystemPath> guessed = windowCatalogue(arguments, ignored);
    CatalogueAhead ahead = loadAhead(
        guessed ? firstCatalogue({startDirectory, {}, *guessed}, system.files) : platform::SystemPath(), system.files);

    // The toolkit takes its own options from the arguments; what is left
    // may name the catalogue to open.
    const std::unique_ptr<platform::Desktop> desktop = platform::openDesktop(argc, argv);
    std::ostringstream refusal;
    const std::optional<platform::SystemPath> named = windowCatalogue(platform::programArguments(argc, argv), refusal);
    if (!named) {
        platform::useParentConsole();
        std::cerr << refusal.str();
        return 1;
    }
    Catalogue catalogue;
    OpenedFile file;
    MainWindowState state;
    MainWindow main{catalogue,
                    file,
                    state,
                    desktop->windows(),
                    desktop->messageBoxes(),
                    desktop->files(),
                    desktop->helpViewer(),
                    desktop->clock(),
                    &desktop->fileDialogs(),
                    &desktop->transliterator()};
    // The list measures a row's texts each time it first draws or searches
    // the row: each text is measured by the toolkit once.
    const std::unique_ptr<platform::TextMeasure> listMeasure = desktop->listTextMeasure(ListTextUnit);
    const RememberingMeasure rememberingMeasure(*listMeasure);
    runQuorvels(main, {startDirectory, desktop->programFile(), *named},
                {rememberingMeasure, [&desktop] { return desktop->openDefaultPrinter(); }, &ahead});
    return 0;
}
