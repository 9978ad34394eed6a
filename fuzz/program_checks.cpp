#include "fuzz/program_checks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "core/letter_case.h"
#include "core/ordering.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_file.h"
#include "mainwindow/file_messages.h"
#include "tests/support/catalogue_difference.h"
#include "tests/support/catalogue_invariants.h"

using platform::scripted::MemoryFiles;
using platform::scripted::ScriptedUser;

void programCheckFailed(const std::string& what) {
    std::fprintf(stderr, "program check failed: %s\n", what.c_str());
    std::abort();
}

namespace {

struct CheckFailed {
    std::string what;
};

void require(bool holds, const std::string& what) {
    if (!holds) throw CheckFailed{what};
}

int markedRecords(const BookTables& books) {
    int count = 0;
    for (int record = 1; record <= recordCount(books); ++record)
        count += testFlag(books.records[record].flags, MarkedFlag) != 0;
    return count;
}

bool sameStamp(const FileStamp& a, const FileStamp& b) {
    return std::tie(a.path, a.described, a.size, a.volume, a.fileIndex, a.modified, a.hash) ==
           std::tie(b.path, b.described, b.size, b.volume, b.fileIndex, b.modified, b.hash);
}

// The catalogue file bytes as books; none when they are no catalogue.
std::optional<BookTables> decoded(const std::string& bytes) {
    BookTables books;
    if (decodeCatalogue(bytes, books).status != DecodeResult::Loaded) return std::nullopt;
    return books;
}

// A text as the Case command leaves it either way: its proper-case form,
// folded.
std::string caseFree(std::string text) {
    convertLetterCase(text, false);
    return foldedText(text);
}

// The books as a file keeps them, in an order of their own: what marking,
// finding and undeleting, the views and the Case command leave alone (none
// of them is a change to save). With `onlyDeleted` the deleted books alone.
std::vector<std::string> booksOf(const BookTables& tables, bool onlyDeleted = false) {
    constexpr std::uint8_t userFlags = (1u << (DeletedFlag - 1)) | (1u << (ShownFlag - 1)) | (1u << (MarkedFlag - 1));
    std::vector<std::string> books;
    for (int record = 1; record <= recordCount(tables); ++record) {
        const BookRecord& book = tables.records[record];
        if (onlyDeleted && testFlag(book.flags, DeletedFlag) == 0) continue;
        books.push_back(caseFree(authorOf(tables, record)) + '\x01' + caseFree(book.title) + '\x01' + book.disposition +
                        '\x01' + std::to_string(readDateOf(tables, record)) + ' ' + std::to_string(book.category) +
                        ' ' + std::to_string(book.review) + ' ' + std::to_string(book.flags & ~userFlags));
    }
    std::sort(books.begin(), books.end());
    return books;
}

void checkList(const MainWindow& main, const ScriptedUser& window) {
    const Catalogue& catalogue = main.catalogue;
    const std::vector<std::string>& rows = window.control(BookListId).rows;
    require(static_cast<int>(rows.size()) == viewCount(catalogue.view),
            "the list shows " + std::to_string(rows.size()) + " rows, the view has " +
                std::to_string(viewCount(catalogue.view)));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        require(rows[row] == main.bookListRows.text(row),
                "list row " + std::to_string(row) + " is not the view's record");
        const bool isMarked = testFlag(catalogue.books.records[catalogue.view.order[row + 1]].flags, MarkedFlag) != 0;
        require((rows[row].front() == 'x') == isMarked, "list row " + std::to_string(row) + " shows the wrong mark");
    }
}

void checkStatus(const ProgramWatch& watch, const MainWindow& main, const ScriptedUser& window) {
    const Catalogue& catalogue = main.catalogue;
    const std::string& path = main.file.path.systemBytes();
    const auto field = [&](int number) { return window.text(statusLabelId(static_cast<StatusField>(number))); };
    const std::string folder = watch.startFolder.systemBytes() + "/";
    const bool inStartFolder = path.starts_with(folder) && path.find('/', folder.size()) == std::string::npos;
    require(field(1) == (inStartFolder ? path.substr(folder.size()) : path),
            "status field 1 shows \"" + field(1) + "\" for the file " + path);
    require(field(2) == viewCaptionOf(catalogue.view), "status field 2 shows \"" + field(2) + "\"");
    const int markedCount = markedRecords(catalogue.books);
    require(catalogue.books.markedCount == markedCount, "markedCount is " +
                                                            std::to_string(catalogue.books.markedCount) + ", " +
                                                            std::to_string(markedCount) + " records are marked");
    require(field(3) == (markedCount == 0 ? "" : " " + std::to_string(markedCount) + " marked"),
            "status field 3 shows \"" + field(3) + "\"");
    const CatalogueView& view = catalogue.view;
    require(field(4) == " " + std::to_string(view.selectedRow) + " of  " + std::to_string(viewCount(view)),
            "status field 4 shows \"" + field(4) + "\"");
}

// The Edit menu follows the marks and deletions. The view items grey the
// current view's own item, Sort among the unread books and List All Books in
// the full view; Find only offers List All Books. The Case and Sort items
// name what they do next. The toolbar's buttons are never disabled.
void checkMenus(const MainWindow& main, const ScriptedUser& window) {
    const Catalogue& catalogue = main.catalogue;
    const auto enabled = [&](int command) { return window.menuItem(command).enabled; };
    require(enabled(UnmarkAllShownCommand) == (markedRecords(catalogue.books) != 0),
            "Unmark All Shown disagrees with the marks");
    require(enabled(UndeleteCommand) == main.state.deletedPending, "Undelete disagrees with the deletions");

    const bool sort = enabled(SortCommand), read = enabled(BooksReadCommand), unread = enabled(BooksUnreadCommand),
               all = enabled(ListAllBooksCommand);
    const bool allBooks = sort && read && unread, booksRead = sort && !read && unread,
               booksUnread = !sort && read && !unread;
    require(allBooks || booksRead || booksUnread, "Sort, Books Read and Books Unread are in no view's state");
    require(all || allBooks, "List All Books is greyed outside the full view");
    require(catalogue.view.mode != ViewMode::All || (allBooks && !all),
            "the view items are not those of the full view");
    require(read || catalogue.view.mode == ViewMode::Read || catalogue.view.mode == ViewMode::Found,
            "Books Read is greyed in another view");
    require(unread || catalogue.view.mode == ViewMode::Unread || catalogue.view.mode == ViewMode::Found,
            "Books Unread is greyed in another view");

    for (int button = MarkButtonId; button <= QuitButtonId; ++button)
        require(window.control(button).enabled, "a toolbar button is disabled");

    require(window.menuItem(CaseCommand).caption.starts_with(catalogue.books.upperCase ? "Lower" : "Upper"),
            "the Case item names the form the texts are in");
    require((window.menuItem(SortCommand).caption.find("Author") != std::string::npos) == catalogue.view.sortByDate,
            "the Sort item names the order the list is in");
}

// The files the step wrote, in the order it wrote them (the last write of each).
std::vector<platform::SystemPath> writtenInStep(const ProgramWatch& watch, const MemoryFiles& disk) {
    std::vector<std::pair<std::uint64_t, platform::SystemPath>> written;
    for (const auto& [path, index] : disk.indexes) {
        const auto before = watch.indexesBefore.find(path);
        if (before == watch.indexesBefore.end() || before->second != index) written.emplace_back(index, path);
    }
    std::sort(written.begin(), written.end());
    std::vector<platform::SystemPath> paths;
    for (const auto& entry : written) paths.push_back(entry.second);
    return paths;
}

// Every catalogue the step saved kept the file it replaced as its backup, and
// asked first when it replaced the file of the last load or save which
// another program had changed; the one it saved last, when that is the open
// catalogue's, loads back as the catalogue in memory.
void checkSaves(const ProgramWatch& watch, const ProgramView& program) {
    const Catalogue& catalogue = program.main.catalogue;
    const MemoryFiles& disk = program.disk;
    const std::vector<platform::SystemPath> written = writtenInStep(watch, disk);
    const auto position = [&](const platform::SystemPath& path) {
        return std::find(written.begin(), written.end(), path) - written.begin();
    };
    const auto backupOfLaterSave = [&](const platform::SystemPath& path) {
        const std::string& name = path.systemBytes();
        if (!name.ends_with(".bak")) return false;
        const auto saved = position(platform::SystemPath::fromSystem(name.substr(0, name.size() - 4)));
        return saved > position(path) && saved < static_cast<long>(written.size());
    };
    for (const platform::SystemPath& path : written) {
        const std::string& bytes = disk.files.at(path);
        if (backupOfLaterSave(path) || bytes == FileMagic || !decoded(bytes))
            continue;  // a backup, a new empty file, no catalogue

        // A backup written again later in the step (Open makes an empty file
        // an empty catalogue) leaves nothing to compare.
        const platform::SystemPath backup = platform::withSuffix(path, ".bak");
        const std::string& name = path.systemBytes();
        const bool backupWrittenLater =
            position(backup) > position(path) && position(backup) < static_cast<long>(written.size());
        if (const auto before = watch.filesBefore.find(path);
            before != watch.filesBefore.end() && !backupWrittenLater) {
            require(position(backup) < position(path), "a save of " + name + " kept no backup first");
            require(disk.files.at(backup) == before->second, "the backup of " + name + " is not the file it replaced");
        }
        if (path == watch.savedStamp.path) {
            const auto before = watch.filesBefore.find(path);
            const bool changedByAnother = before != watch.filesBefore.end() && before->second != watch.savedBytes;
            const std::string question = messageFor({FileProblem::ChangedElsewhere, path, {}, {}, {}}).text;
            const bool asked = std::any_of(program.boxes.begin() + static_cast<long>(watch.boxesBefore),
                                           program.boxes.end(), [&](const auto& box) { return box.text == question; });
            require(asked == changedByAnother,
                    "a save of " + name + (asked ? " asked" : " did not ask") + " about a change by another program");
        }
        if (path != program.main.file.path || position(path) != static_cast<long>(written.size()) - 1) continue;
        require(!catalogue.books.changed, "a save of " + name + " left the catalogue changed");
        Catalogue loaded;
        loaded.books = *decoded(bytes);
        loaded.view = catalogue.view;
        loaded.books.markedCount = catalogue.books.markedCount;
        loaded.books.lettersInForm = catalogue.books.lettersInForm;
        loaded.books.upperCase = catalogue.books.upperCase;
        const std::string difference = firstDifference(loaded, catalogue);
        require(difference.empty(), "the file saved does not load back as the catalogue: " + difference);
    }
}

// `changed` is clear only while the books are those of the file last loaded
// or saved, none deleted that it holds undeleted.
void checkChanged(ProgramWatch& watch, const MainWindow& main, const MemoryFiles& disk) {
    const Catalogue& catalogue = main.catalogue;
    const OpenedFile& open = main.file;
    if (!sameStamp(open.onDisk, watch.savedStamp)) {
        const auto file = disk.files.find(open.onDisk.path);
        require(file != disk.files.end(),
                "the catalogue was loaded from or saved to " + open.onDisk.path.systemBytes() + ", which is not there");
        watch.savedBytes = file->second;
        watch.savedStamp = open.onDisk;
    }
    if (catalogue.books.changed) return;
    require(open.path.empty() || open.path == open.onDisk.path, "an unchanged catalogue of " + open.path.systemBytes() +
                                                                    " was loaded from or saved to " +
                                                                    open.onDisk.path.systemBytes());
    const auto saved = decoded(watch.savedBytes);
    require(saved.has_value() && booksOf(*saved) == booksOf(catalogue.books),
            "the catalogue differs from its file, and changed is clear");
    // Undelete brings back what the file holds deleted without a change to
    // save; a deletion is one.
    const std::vector<std::string> deletedInFile = booksOf(*saved, true), deletedNow = booksOf(catalogue.books, true);
    require(std::includes(deletedInFile.begin(), deletedInFile.end(), deletedNow.begin(), deletedNow.end()),
            "a book was deleted, and changed is clear");
}

}  // namespace

ProgramWatch startWatching(const ProgramView& program, const platform::SystemPath& startFolder) {
    ProgramWatch watch;
    watch.startFolder = startFolder;
    watch.savedBytes = FileMagic;
    if (const FileStamp& onDisk = program.main.file.onDisk; !onDisk.path.empty()) {
        watch.savedBytes = program.disk.files.at(onDisk.path);
        watch.savedStamp = onDisk;
    }
    beforeStep(watch, program);
    return watch;
}

void beforeStep(ProgramWatch& watch, const ProgramView& program) {
    watch.filesBefore = program.disk.files;
    watch.indexesBefore = program.disk.indexes;
    watch.boxesBefore = program.boxes.size();
}

std::string problemAfterStep(ProgramWatch& watch, const ProgramView& program) {
    const MainWindow& main = program.main;
    const ScriptedUser& window = program.window;
    try {
        const std::vector<std::string> breaks = invariantBreaks(main.catalogue, false);
        require(breaks.empty(), "invariant broken: " + (breaks.empty() ? "" : breaks.front()));
        checkList(main, window);
        checkStatus(watch, main, window);
        checkMenus(main, window);
        checkSaves(watch, program);
        checkChanged(watch, main, program.disk);
    } catch (const CheckFailed& failed) {
        return failed.what;
    }
    return {};
}
