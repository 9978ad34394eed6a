// The whole program under random use: the real main window on the scripted
// platform layer, played by a user whose every action, typed text and answer
// comes from the fuzzer's bytes, over catalogue files kept in memory that
// another program may change, damage or remove between two actions. After
// each action the window must agree with the catalogue and the catalogue with
// its file (fuzz/program_checks.h).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ordering.h"
#include "dialogs/field_ids.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzzed_answers.h"
#include "fuzz/program_checks.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"
#include "mainwindow/startup.h"
#include "platform/system_transliterator.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/fixed_width_measure.h"
#include "platform/testing/memory_files.h"
#include "platform/testing/recording_help_viewer.h"
#include "platform/testing/recording_print_surface.h"
#include "platform/testing/scripted_windows.h"
#include "printing/print_dialog.h"
#include "statistics/statistics_dialog.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_file.h"
#include "tests/support/catalogue_difference.h"

namespace {

using platform::scripted::MemoryFiles;
using platform::scripted::ScriptedUser;

// One run stays short: so many actions in the main window, and in each dialog.
constexpr int MaxSteps = 200;
constexpr int MaxDialogActions = 24;

platform::SystemPath pathNamed(const char* name) { return platform::SystemPath::fromSystem(name); }

const platform::SystemPath StartFolder = pathNamed("/books");
const platform::SystemPath SettingsPath = pathNamed("/books/quorvels.ini");
// The names the user picks in file dialogs and the other program writes:
// catalogues (one outside the start folder, one typed without its extension,
// a backup, one not there at first) and CSV files.
const std::vector<platform::SystemPath> FileNames = {pathNamed("/books/a.pmr"),     pathNamed("/books/b.pmr"),
                                                     pathNamed("/books/a"),         pathNamed("/books/a.pmr.bak"),
                                                     pathNamed("/books/new.pmr"),   pathNamed("/other/c.pmr"),
                                                     pathNamed("/books/books.csv"), pathNamed("/books/export")};

constexpr int MenuCommands[] = {OpenCommand,           SaveCommand,
                                SaveAsCommand,         PrintCommand,
                                ExitCommand,           ImportBooksCommand,
                                ExportBooksCommand,    MarkSelectedCommand,
                                UnmarkAllShownCommand, MarkAllShownCommand,
                                AddBookCommand,        EditBookCommand,
                                DeleteBooksCommand,    UndeleteCommand,
                                ListAllBooksCommand,   CaseCommand,
                                SortCommand,           RecordDataCommand,
                                BooksReadCommand,      BooksUnreadCommand,
                                FindBooksCommand,      ReadingStatisticsCommand,
                                HelpCommand,           AboutCommand};
constexpr int ToolbarButtons[] = {MarkButtonId, CaseButtonId, SortButtonId, PrintButtonId, DataButtonId,
                                  AddButtonId,  EditButtonId, FindButtonId, ListButtonId,  QuitButtonId};

template <typename T, std::size_t N>
T pick(FuzzInput& input, const T (&choices)[N]) {
    return choices[input.below(static_cast<int>(N))];
}

// ---- what the user types ----

// A text as typed or pasted: a few bytes of any value, one longer than any
// box takes, or one with blanks around it.
std::string typedText(FuzzInput& input) {
    switch (input.below(3)) {
        case 0: return input.letters(16);
        case 1: {
            // Near the 255 characters a text holds, of one letter of any size.
            const std::string letter = input.letter();
            std::string text;
            for (int count = 250 + input.below(20); count > 0; --count) text += letter;
            return text + input.letters(8);
        }
        default: return "  " + input.letters(8) + " ";
    }
}

// A read date: right or wrong, at the edges of months and of the years a
// read date may have (the clock says 2026), the word for a book read without
// a date, or any bytes.
std::string dateText(FuzzInput& input) {
    static constexpr int years[] = {0, 99, 1899, 1900, 1980, 2000, 2024, 2025, 2026, 2027, 9999};
    static constexpr const char* forms[] = {"%02d-%02d-%04d", "%d/%d/%d", "%d-%d-%02d", "%02d.%02d.%04d"};
    static constexpr const char* readWords[] = {"read", " READ ", "Read", "reads"};
    switch (input.below(6)) {
        case 0: return input.text(12);
        case 1: return pick(input, readWords);
        default: break;
    }
    const int month = input.below(14), day = input.below(33), year = pick(input, years);
    char text[40];
    std::snprintf(text, sizeof text, pick(input, forms), month, day, year);
    return text;
}

// Keys typed into the book list: letters of any script, digits and blanks.
std::string listKeys(FuzzInput& input) {
    std::string typed;
    for (int count = 1 + input.below(4); count > 0; --count) typed += input.letter();
    return typed;
}

// ---- the files ----

// A catalogue file of a few books with random texts (in either form), dates and flags.
std::string catalogueBytes(FuzzInput& input) {
    Catalogue catalogue;
    for (int count = input.below(10); count > 0 && !input.exhausted(); --count) {
        const std::string author = input.catalogueText(), title = input.catalogueText();
        if (author.empty() || title.empty()) continue;
        const std::uint16_t date =
            input.below(2) == 0 ? 0 : static_cast<std::uint16_t>(input.byte() << 8 | input.byte());
        if (insertRecord(catalogue, author, title, input.catalogueText(), date, input.below(16), input.below(12)) ==
            InsertResult::Inserted)
            catalogue.books.records[catalogue.view.currentRecord].flags |=
                input.byte() & 0xFC;  // any bits but deleted and shown
    }
    const PurgePlan plan = planPurge(catalogue.books);
    return plan.problem.empty() ? encodeCatalogue(catalogue.books, plan) : std::string(FileMagic);
}

// A catalogue file as one written when only a-z were folded may be: authors
// that differ only in the case of letters beyond a-z, and tables in any
// order.
std::string oldFoldingBytes(FuzzInput& input) {
    static const char* const spellings[] = {"\u00C9mile", "\u00E9mile", "\u00C9MILE", "\u00D6lin", "\u00F6lin",
                                            "\u03A9mega", "\u03C9mega", "\u00B5sic",  "\u039Csic", "\u01C5emal",
                                            "\u01C6emal", "\u0130z",    "iz",         "Zed",       "abe"};
    BookTables books;
    for (int count = 1 + input.below(6); count > 0; --count)
        books.authors.push_back(std::string(pick(input, spellings)) +
                                (input.below(2) == 0 ? "" : " " + input.letter()));
    for (int count = 1 + input.below(8); count > 0 && !input.exhausted(); --count) {
        BookRecord record;
        record.authorIndex = static_cast<std::int16_t>(1 + input.below(authorCount(books)));
        record.dateIndex = static_cast<std::int16_t>(books.records.size());
        record.title = pick(input, spellings);
        record.flags = static_cast<std::uint8_t>(input.byte() & 0xFC);
        books.records.push_back(std::move(record));
        books.readDates.push_back(static_cast<std::uint16_t>(books.readDates.back() + input.below(2)));
    }
    const PurgePlan plan = planPurge(books);
    return plan.problem.empty() ? encodeCatalogue(books, plan) : std::string(FileMagic);
}

// What a file holds: none, a catalogue, a damaged one, any bytes, a file
// holding the file magic alone or nothing, one of the old folding.
std::optional<std::string> fileBytes(FuzzInput& input) {
    switch (input.below(8)) {
        case 0: return std::nullopt;
        case 6: return oldFoldingBytes(input);
        case 1:
        case 2: return catalogueBytes(input);
        case 3: {
            const std::string whole = catalogueBytes(input);
            return whole.substr(0, whole.size() * input.byte() / 256);
        }
        case 4: {
            std::string damaged = catalogueBytes(input);
            damaged[input.byte() % damaged.size()] ^= static_cast<char>(1 + input.below(255));
            return damaged;
        }
        case 5: return input.text(40);
        default: return input.below(2) == 0 ? std::string(FileMagic) : std::string();
    }
}

// A CSV file to import: author and title columns with a date, or any bytes.
std::string csvBytes(FuzzInput& input) {
    if (input.below(4) == 0) return input.text(60);
    std::string csv = "Author,Title,Date Read,Exclusive Shelf\r\n";
    for (int count = input.below(6); count > 0; --count)
        csv += input.text(8) + "," + input.text(8) + "," + dateText(input) + "," + input.text(6) + "\r\n";
    return csv;
}

const platform::SystemPath& anyFileName(FuzzInput& input) {
    return FileNames[input.below(static_cast<int>(FileNames.size()))];
}

// What the other program does to a file between two actions of the user:
// removes it, touches it (the same bytes anew) or writes other bytes into it.
void anotherProgramActs(FuzzInput& input, MemoryFiles& disk, std::vector<std::string>& history) {
    const platform::SystemPath& path = anyFileName(input);
    const auto file = disk.files.find(path);
    switch (input.below(3)) {
        case 0:
            history.push_back("another program removes " + path.systemBytes());
            disk.files.erase(path);
            disk.indexes.erase(path);
            break;
        case 1:
            history.push_back("another program touches " + path.systemBytes());
            if (file != disk.files.end()) disk.replaceWhole(path, std::string(file->second));
            break;
        default:
            history.push_back("another program writes " + path.systemBytes());
            if (const auto bytes = fileBytes(input)) disk.replaceWhole(path, *bytes);
    }
}

// The files the program finds at start-up: the settings file, catalogues and
// a CSV file, each there or not.
void putStartFiles(FuzzInput& input, MemoryFiles& disk) {
    static constexpr const char* settings[] = {"", "/books/a.pmr\r\n", "/other/c.pmr\r\n", "/books/new.pmr\r\n",
                                               "/books/b.pmr"};
    if (const int choice = input.below(6); choice < 5) {
        if (choice != 0) disk.replaceWhole(SettingsPath, settings[choice]);
    } else {
        disk.replaceWhole(SettingsPath, input.text(20));
    }
    for (const char* name : {"/books/a.pmr", "/books/b.pmr", "/other/c.pmr"})
        if (const auto bytes = fileBytes(input)) disk.replaceWhole(pathNamed(name), *bytes);
    if (input.below(2) == 1) disk.replaceWhole(pathNamed("/books/books.csv"), csvBytes(input));
}

// ---- the program and its user ----

struct Program {
    explicit Program(FuzzInput& input) : input(input) {}

    FuzzInput& input;
    MemoryFiles disk;
    Catalogue catalogue;
    OpenedFile file;
    MainWindowState state;
    platform::scripted::ScriptedWindows ui;
    FuzzedMessageBoxes boxes{input, ui.history};
    FuzzedFileDialogs fileDialogs{input, ui.history, FileNames};
    platform::scripted::RecordingHelpViewer help;
    platform::scripted::FixedClock clock{2026};
    platform::scripted::FixedWidthMeasure measure{5};
    MainWindow main{catalogue, file, state, ui, boxes, disk, help, clock};
    std::int64_t keyTime = 0;  // the list's typing clock, in milliseconds
};

bool ended(const ScriptedUser& user) { return user.state().ended; }

void clickIfEnabled(ScriptedUser& user, int id) {
    if (user.control(id).enabled) user.click(id);
}

// Cancel, Escape or the close box; which ends a dialog is its own affair.
void leave(FuzzInput& input, ScriptedUser& dialog, int cancelButton) {
    switch (input.below(3)) {
        case 0: dialog.click(cancelButton); break;
        case 1: dialog.pressEscape(); break;
        default: dialog.closeBox(); break;
    }
}

void pickAnyEntry(FuzzInput& input, ScriptedUser& dialog, int list) {
    const int entries = static_cast<int>(dialog.control(list).entries.size());
    if (entries > 0 && dialog.control(list).enabled) dialog.pickEntry(list, input.below(std::min(entries, 256)));
}

// Types into one of the text boxes: a whole text pasted, a few keys, a
// backspace or a date.
void typeIntoBox(FuzzInput& input, ScriptedUser& dialog, int box) {
    switch (input.below(4)) {
        case 0: dialog.replaceText(box, typedText(input)); break;
        case 1: dialog.typeKeys(box, input.letters(5)); break;
        case 2: dialog.backspace(box); break;
        default: dialog.replaceText(box, dateText(input)); break;
    }
}

void useRecordDialog(FuzzInput& input, ScriptedUser& dialog, bool viewing) {
    static constexpr int boxes[] = {AuthorBoxId, TitleBoxId, DateReadBoxId, DispositionBoxId};
    for (int action = 0; action < MaxDialogActions && !input.exhausted() && !ended(dialog); ++action) {
        switch (input.below(7)) {
            case 0:
            case 1:
                if (!viewing) typeIntoBox(input, dialog, pick(input, boxes));
                break;
            case 2: pickAnyEntry(input, dialog, input.below(2) == 0 ? CategoryListId : ReviewListId); break;
            case 3: clickIfEnabled(dialog, FirstButtonId); break;
            case 4: clickIfEnabled(dialog, SecondButtonId); break;
            case 5: dialog.pressEnter(); break;
            default: leave(input, dialog, CancelButtonId); break;
        }
    }
}

void useFindDialog(FuzzInput& input, ScriptedUser& dialog) {
    static constexpr int boxes[] = {AuthorBoxId, TitleBoxId, DispositionBoxId};
    for (int action = 0; action < MaxDialogActions && !input.exhausted() && !ended(dialog); ++action) {
        switch (input.below(5)) {
            case 0:
            case 1: typeIntoBox(input, dialog, pick(input, boxes)); break;
            case 2: pickAnyEntry(input, dialog, CategoryListId); break;
            case 3: input.below(2) == 0 ? dialog.click(SearchButtonId) : dialog.pressEnter(); break;
            default: leave(input, dialog, CancelButtonId); break;
        }
    }
}

void usePrintDialog(FuzzInput& input, ScriptedUser& dialog) {
    static constexpr int options[] = {MarkedOnlyId, AllListedId,      NormalFontId,
                                      SmallFontId,  BookListLayoutId, BookDataLayoutId};
    for (int action = 0; action < MaxDialogActions && !input.exhausted() && !ended(dialog); ++action) {
        switch (input.below(4)) {
            case 0:
            case 1: dialog.click(pick(input, options)); break;
            case 2: input.below(2) == 0 ? dialog.click(PrintNowButtonId) : dialog.pressEnter(); break;
            default: leave(input, dialog, PrintCancelButtonId); break;
        }
    }
}

// The statistics are only looked at: the year chart's bars count every book
// held that has a read date (not those read without one), and the dialog
// closes as any other.
void useStatisticsDialog(Program& program, ScriptedUser& dialog) {
    int read = 0;
    for (int r = 1; r <= recordCount(program.catalogue.books); ++r) {
        read += !testFlag(program.catalogue.books.records[static_cast<std::size_t>(r)].flags, DeletedFlag) &&
                readDateOf(program.catalogue.books, r) != 0;
    }
    int charted = 0;
    for (const platform::ChartBar& bar : dialog.control(YearChartId).bars) charted += bar.value;
    if (charted != read)
        programCheckFailed("the year chart counts " + std::to_string(charted) + " read books of " +
                           std::to_string(read));
    leave(program.input, dialog, CloseButtonId);
}

// Every dialog the main window opens is used as its caption says; one the
// user has not closed in time is closed with Escape, which ends each of them.
void useDialog(Program& program, ScriptedUser& dialog) {
    const std::string caption = dialog.state().blueprint.caption;
    if (caption == "View Record Data")
        useRecordDialog(program.input, dialog, true);
    else if (caption == "Add Record Data" || caption == "Edit Record Data")
        useRecordDialog(program.input, dialog, false);
    else if (caption == "Find Books")
        useFindDialog(program.input, dialog);
    else if (caption == "Print Book List")
        usePrintDialog(program.input, dialog);
    else if (caption == "Reading Statistics")
        useStatisticsDialog(program, dialog);
    else
        programCheckFailed("an unknown window opened: " + caption);
    if (!ended(dialog)) dialog.pressEscape();
    if (!ended(dialog)) programCheckFailed("Escape did not close " + caption);
}

// There is always a script waiting for the next dialog.
void queueDialogScript(Program& program) {
    program.ui.queueScript([&program](ScriptedUser& dialog) {
        queueDialogScript(program);
        useDialog(program, dialog);
    });
}

// A greyed menu item cannot be chosen, and trying changes nothing.
void tryGreyedItem(Program& program, ScriptedUser& window, int command) {
    const Catalogue before = program.catalogue;
    const std::size_t shownBefore = program.ui.history.size();
    bool refused = false;
    try {
        window.chooseMenuItem(command);
    } catch (const std::logic_error&) {
        refused = true;
    }
    if (!refused || !firstDifference(program.catalogue, before).empty() || program.ui.history.size() != shownBefore)
        programCheckFailed("the greyed item " + window.menuItem(command).caption + " did something");
}

void chooseMenuCommand(Program& program, ScriptedUser& window, int command) {
    program.ui.history.push_back("menu: " + window.menuItem(command).caption);
    if (window.menuItem(command).enabled)
        window.chooseMenuItem(command);
    else
        tryGreyedItem(program, window, command);
}

// One action of the user in the main window.
void act(Program& program, ScriptedUser& window) {
    FuzzInput& input = program.input;
    const int rows = static_cast<int>(window.control(BookListId).rows.size());
    const auto anyRow = [&](const char* action) {
        const int row = input.below(std::min(rows, 256));
        program.ui.history.push_back(std::string(action) + " row " + std::to_string(row));
        return row;
    };
    switch (input.below(10)) {
        case 0:
        case 1:
        case 2: chooseMenuCommand(program, window, pick(input, MenuCommands)); break;
        case 3: {
            const int button = pick(input, ToolbarButtons);
            program.ui.history.push_back("toolbar: " + window.control(button).text);
            window.click(button);
            break;
        }
        case 4:
            if (rows > 0) window.clickRow(BookListId, anyRow("click"));
            break;
        case 5:
            if (rows > 0) window.ctrlClickRow(BookListId, anyRow("ctrl-click"));
            break;
        case 6:
            if (rows > 0) {
                const int first = anyRow("select from"), last = anyRow("to");
                std::vector<int> range;
                for (int row = std::min(first, last); row <= std::max(first, last); ++row) range.push_back(row);
                window.selectRows(BookListId, range);
            }
            break;
        case 7:
            if (rows > 0) window.doubleClickRow(BookListId, anyRow("double-click"));
            break;
        case 8:
            program.keyTime += input.below(2) == 0 ? 100 : 1500;  // quick succession, or after a pause
            program.ui.history.push_back("type into the list");
            window.typeIntoList(BookListId, listKeys(input), program.keyTime);
            break;
        default:
            program.ui.history.push_back("close box");
            window.closeBox();
            break;
    }
}

ProgramView viewOf(const Program& program, const ScriptedUser& window) {
    return {program.main, window, program.disk, program.boxes.boxes.shown};
}

// A check that failed, after what the run went through to get there.
void check(Program& program, ProgramWatch& watch, const ScriptedUser& window) {
    const std::string problem = problemAfterStep(watch, viewOf(program, window));
    if (problem.empty()) return;
    for (const std::string& shown : program.ui.history) std::fprintf(stderr, "%s\n", shown.c_str());
    programCheckFailed(problem);
}

void useMainWindow(Program& program, ScriptedUser& window) {
    queueDialogScript(program);
    ProgramWatch watch = startWatching(viewOf(program, window), StartFolder);
    check(program, watch, window);
    for (int step = 0; step < MaxSteps && !program.input.exhausted(); ++step) {
        if (program.input.below(8) == 0) anotherProgramActs(program.input, program.disk, program.ui.history);
        beforeStep(watch, viewOf(program, window));
        act(program, window);
        if (ended(window)) return;
        check(program, watch, window);
    }
    // From here every question is answered No or Cancel: the changes are dropped.
    program.input.drain();
    window.closeBox();
    if (!ended(window)) programCheckFailed("the window stayed open after No to saving its changes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input{data, size};
    Program program(input);
    program.main.fileDialogs = &program.fileDialogs;
    program.main.transliterator = &platform::systemTransliterator();
    putStartFiles(input, program.disk);

    const int printer = input.below(8);  // none, one that fails to start a job or a page, or a working one
    const StartupServices services{program.measure, [printer]() -> std::unique_ptr<platform::PrintSurface> {
                                       if (printer == 0) return nullptr;
                                       auto surface = std::make_unique<platform::scripted::RecordingPrintSurface>();
                                       surface->failJobStart = printer == 1;
                                       surface->failingPage = printer == 2 ? 1 : printer == 3 ? 2 : 0;
                                       surface->height = 400;  // a few lines a page, so that longer lists take several
                                       return surface;
                                   }};
    program.ui.queueScript([&program](ScriptedUser& window) { useMainWindow(program, window); });
    runQuorvels(program.main, {StartFolder}, services);
    // To see what an input does: every window, message box and file dialog it met.
    if (std::getenv("PROGRAM_FUZZER_HISTORY") != nullptr)
        for (const std::string& shown : program.ui.history) std::fprintf(stderr, "%s\n", shown.c_str());
    return 0;
}
