#include "mainwindow/command_line.h"

#include <cerrno>

#include "bookexchange/exchange_files.h"
#include "mainwindow/file_messages.h"
#include "storage/catalogue_file.h"

namespace {

constexpr const char* Usage =
    "Usage: quorvels [CATALOGUE.pmr | --import FILE.csv CATALOGUE.pmr |\n"
    "                --export CATALOGUE.pmr FILE.csv [--goodreads] | --help | --version]\n"
    "  CATALOGUE    the window opens on this catalogue instead of the remembered one, and remembers it\n"
    "  --import     adds the books of a CSV or TSV file (Goodreads, The StoryGraph, LibraryThing, Calibre, or any\n"
    "               file with Author and Title columns) to the catalogue, which is created when it is missing\n"
    "  --export     writes every book of the catalogue as CSV; --goodreads in Goodreads' columns\n"
    "  --help       shows this text\n"
    "  --version    shows the program's version\n"
    "Without any of them the window opens on the remembered catalogue.\n";

// A text of the program (lines ended by CR LF) as the terminal shows it:
// lines ended by LF.
std::string terminalText(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
    return text;
}

bool exists(platform::Files& files, const platform::SystemPath& path) {
    platform::FileInfo info;
    return files.status(path, true, info) != ENOENT;
}

int fail(std::ostream& err, const std::string& message) {
    err << "quorvels: " << terminalText(message) << "\n";
    return 1;
}

// What storage found, in the words the window would show; a question that
// arises stands for its No, which changes nothing.
int fail(std::ostream& err, const FileProblem& problem) { return fail(err, messageFor(problem).text); }

int importBooks(const platform::SystemPath& csv, const platform::SystemPath& path, platform::Files& files,
                const platform::Clock& clock, std::ostream& out, std::ostream& err) {
    Catalogue catalogue;
    OpenedFile file;
    const bool created = !exists(files, path);
    if (!created) {
        file.path = path;
        if (const LoadOutcome loaded = loadCatalogue(catalogue, file, files); loaded.problem)
            return fail(err, *loaded.problem);
    }

    const ImportFileResult planned = planImportFile(csv, files, catalogue.books, clock.currentYear());
    if (!planned.ok) return fail(err, planned.message);
    out << terminalText(importSummary(planned.plan)) << "\n";

    const ImportOutcome outcome = applyImport(catalogue, planned.plan);
    if (outcome.stop != InsertResult::Inserted)
        return fail(err, importOutcomeText(outcome) + "\r\nThe catalogue file is unchanged.");
    file.path = path;
    catalogue.books.changed = catalogue.books.changed || created;
    if (const SaveOutcome saved = saveCatalogue(catalogue, file, files); saved.result != SaveOutcome::Saved)
        return fail(err, saved.problem);
    out << terminalText(importOutcomeText(outcome)) << "\n";
    return 0;
}

int exportBooks(const platform::SystemPath& path, const platform::SystemPath& csv, ExportForm form,
                platform::Files& files, std::ostream& out, std::ostream& err) {
    Catalogue catalogue;
    OpenedFile file{path, {}};
    const LoadOutcome loaded = loadCatalogue(catalogue, file, files);
    if (!loaded.loaded) return loaded.problem ? fail(err, *loaded.problem) : 1;
    const std::vector<int> books = allBooks(catalogue.books);
    const ExportFileResult written = exportBooksFile(csv, files, catalogue.books, books, form);
    if (!written.ok) return fail(err, written.message);
    out << counted(static_cast<int>(books.size()), "book", "books") << " exported.\n";
    return 0;
}

// An exit status of 1 after the usage, naming the arguments not understood.
int refuse(const std::vector<std::string>& arguments, std::ostream& err) {
    err << "quorvels: unknown command line: ";
    for (const std::string& argument : arguments) err << argument << (&argument == &arguments.back() ? "\n" : " ");
    err << Usage;
    return 1;
}

}  // namespace

bool namesCommand(const std::vector<std::string>& arguments) {
    return !arguments.empty() && arguments[0].rfind("--", 0) == 0;
}

std::optional<int> runCommandLine(const std::vector<std::string>& arguments, platform::Files& files,
                                  const platform::Clock& clock, std::ostream& out, std::ostream& err) {
    if (!namesCommand(arguments)) return std::nullopt;
    const std::string& command = arguments[0];
    const std::size_t count = arguments.size();
    if (command == "--help" && count == 1) return out << Usage, 0;
    if (command == "--version" && count == 1) return out << "quorvels " << QUORVELS_VERSION << "\n", 0;
    if (command == "--import" && count == 3)
        return importBooks(platform::SystemPath::fromSystem(arguments[1]),
                           platform::SystemPath::fromSystem(arguments[2]), files, clock, out, err);
    if (command == "--export" && (count == 3 || (count == 4 && arguments[3] == "--goodreads")))
        return exportBooks(platform::SystemPath::fromSystem(arguments[1]),
                           platform::SystemPath::fromSystem(arguments[2]),
                           count == 4 ? ExportForm::Goodreads : ExportForm::Quorvels, files, out, err);
    return refuse(arguments, err);
}

std::optional<platform::SystemPath> windowCatalogue(const std::vector<std::string>& arguments, std::ostream& err) {
    if (arguments.size() > 1) {
        refuse(arguments, err);
        return std::nullopt;
    }
    return arguments.empty() ? platform::SystemPath{} : platform::SystemPath::fromSystem(arguments[0]);
}
