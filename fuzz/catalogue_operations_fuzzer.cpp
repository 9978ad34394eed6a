// A catalogue driven by an arbitrary sequence of operations keeps every
// invariant after each step, and a save followed by a load gives back the
// catalogue the save left in memory, put in order as loading does.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/folded_order.h"
#include "core/letter_case.h"
#include "core/ordering.h"
#include "core/windows1252.h"
#include "dialogs/find_search.h"
#include "fuzz/fuzz_input.h"
#include "platform/testing/memory_files.h"
#include "storage/catalogue_file.h"
#include "tests/support/catalogue_invariants.h"

namespace {

// Records, authors and read dates, as a save writes them.
std::string tablesOf(const BookTables& books) {
    std::string text;
    for (std::size_t i = 1; i < books.records.size(); ++i) {
        const BookRecord& r = books.records[i];
        text += books.authors[r.authorIndex] + '|' + r.title + '|' + r.disposition + '|' +
                std::to_string(books.readDates[r.dateIndex]) + '|' + std::to_string(r.category) + '|' +
                std::to_string(r.review) + '|' + std::to_string(r.flags) + '\n';
    }
    return text;
}

// Saves into memory and loads the file again into a fresh catalogue.
void saveAndLoad(Catalogue& catalogue) {
    platform::scripted::MemoryFiles files;
    OpenedFile file{platform::SystemPath::fromSystem("/catalogue.pmr"), {}};
    catalogue.books.changed = true;
    if (saveCatalogue(catalogue, file, files).result != SaveOutcome::Saved)
        return;  // refused (a text over 255 characters): nothing written
    Catalogue loaded;
    putInFoldedOrder(catalogue.books);  // proper case may have upset the order
    if (!loadCatalogue(loaded, file, files).loaded || tablesOf(loaded.books) != tablesOf(catalogue.books) ||
        loaded.books.changed) {
        std::fprintf(stderr, "a saved catalogue did not load back as it was\n");
        std::abort();
    }
    catalogue = std::move(loaded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input{data, size};
    Catalogue catalogue;
    while (input.size > 0) {
        switch (input.byte() % 7) {
            case 0: {
                std::string author = input.catalogueText(), title = input.catalogueText();
                if (author.empty() || title.empty()) break;
                const std::uint16_t date = static_cast<std::uint16_t>(input.byte() << 8 | input.byte());
                insertRecord(catalogue, author, title, input.catalogueText(), date, input.byte(), input.byte());
                break;
            }
            case 1:
                toggleLetterCase(catalogue.books);
                rebuildView(catalogue);
                break;
            case 2:
                catalogue.view.mode = static_cast<ViewMode>(input.byte() % 4);
                rebuildView(catalogue);
                break;
            case 3:
                catalogue.view.sortByDate = !catalogue.view.sortByDate;
                rebuildView(catalogue);
                break;
            case 4: {
                const FindCriteria criteria =
                    makeFindCriteria(input.text(), input.text(), input.text(), input.byte() % 16 - 1);
                if (!hasNoCondition(criteria)) runFind(catalogue.books, criteria);
                rebuildView(catalogue);
                break;
            }
            case 5: {
                const int row = viewCount(catalogue.view) == 0 ? 0 : 1 + input.byte() % viewCount(catalogue.view);
                if (row != 0)
                    toggleFlag(catalogue.books.records[catalogue.view.order[row]].flags,
                               input.byte() % 2 ? MarkedFlag : DeletedFlag);
                break;
            }
            case 6: saveAndLoad(catalogue); break;
        }
        // Proper case may legitimately upset the order of equal-looking keys.
        if (const auto breaks = invariantBreaks(catalogue, false); !breaks.empty()) {
            std::fprintf(stderr, "invariant broken: %s\n", breaks.front().c_str());
            std::abort();
        }
    }
    return 0;
}
