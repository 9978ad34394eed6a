#include "mainwindow/exchange_commands.h"

#include "bookexchange/exchange_files.h"
#include "mainwindow/file_commands.h"
#include "mainwindow/main_window.h"
#include "mainwindow/status_line.h"
#include "mainwindow/view_commands.h"
#include "mainwindow/yes_no_question.h"

using platform::Icon;

namespace {

constexpr const char* ImportCaption = "Import Books";
constexpr const char* ExportCaption = "Export Books";

void tell(MainWindow& main, const std::string& text, const std::string& caption, Icon icon) {
    main.messages.messageBox(text, caption, platform::Buttons::Ok, icon);
}

}  // namespace

void importBooksFromFile(MainWindow& main) {
    if (main.fileDialogs == nullptr) return;
    const auto chosen = main.fileDialogs->askFileToOpen(
        {ImportCaption, {{"CSV Files", "*.csv;*.tsv;*.txt"}, {"All Files", "*.*"}}, "", main.state.startDirectory, {}});
    if (!chosen) return;
    const ImportFileResult planned =
        planImportFile(*chosen, main.files, main.catalogue.books, main.clock.currentYear());
    if (!planned.ok) return tell(main, planned.message, ImportCaption, Icon::Exclamation);

    const std::string summary = importSummary(planned.plan);
    if (planned.plan.books.empty())
        return tell(main, summary + "\r\nNothing is added; the catalogue is unchanged.", ImportCaption,
                    Icon::Information);
    if (!userSaysYes(main, summary + "\r\n\r\nAdd them to the catalogue?", ImportCaption, Icon::Question)) return;

    listAllBooks(main);
    const ImportOutcome outcome = applyImport(main.catalogue, planned.plan);
    setStatus(main, StatusField::File, "");
    if (outcome.stop != InsertResult::Inserted)
        tell(main, importOutcomeText(outcome), ImportCaption, Icon::Exclamation);
}

void exportBooksToFile(MainWindow& main) {
    if (main.fileDialogs == nullptr) return;
    const ExportSelection selection = booksToExport(main.catalogue);
    if (selection.records.empty())
        return tell(main, "There are no books to export: the list shows none.", ExportCaption, Icon::Information);
    const auto chosen = main.fileDialogs->askFileAndTypeToSave(
        {ExportCaption, {{"CSV Files", "*.csv"}, {"Goodreads CSV", "*.csv"}}, "csv", main.state.startDirectory, {}});
    if (!chosen) return;
    if (!userAllowsWritingTo(main, chosen->path)) return;

    const ExportForm form = chosen->filter == 1 ? ExportForm::Goodreads : ExportForm::Quorvels;
    const ExportFileResult written =
        exportBooksFile(chosen->path, main.files, main.catalogue.books, selection.records, form);
    if (!written.ok) return tell(main, written.message, ExportCaption, Icon::Exclamation);
    const int count = static_cast<int>(selection.records.size());
    const std::string which = selection.onlyMarked ? counted(count, "marked book", "marked books")
                                                   : counted(count, "book", "books") + " of the list";
    tell(main, which + " exported to \"" + platform::shownPath(chosen->path) + "\".", ExportCaption, Icon::Information);
}
