// A catalogue driven by an arbitrary sequence of operations keeps every
// invariant after each step.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/letter_case.h"
#include "core/ordering.h"
#include "dialogs/find_search.h"
#include "tests/support/catalogue_invariants.h"

namespace {

struct Input {
    const std::uint8_t* data;
    std::size_t size;

    std::uint8_t byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    std::string text() {
        std::string result;
        for (int length = byte() % 12; length > 0 && size > 0; --length) result += static_cast<char>(byte());
        return result;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input{data, size};
    Catalogue catalogue;
    while (input.size > 0) {
        switch (input.byte() % 6) {
            case 0: {
                std::string author = input.text(), title = input.text();
                if (author.empty() || title.empty()) break;
                const std::uint16_t date = static_cast<std::uint16_t>(input.byte() << 8 | input.byte());
                insertRecord(catalogue, author, title, input.text(), date, input.byte(), input.byte());
                break;
            }
            case 1: toggleLetterCase(catalogue); rebuildView(catalogue); break;
            case 2: catalogue.viewMode = static_cast<ViewMode>(input.byte() % 4); rebuildView(catalogue); break;
            case 3: catalogue.sortByDate = !catalogue.sortByDate; rebuildView(catalogue); break;
            case 4: {
                const FindCriteria criteria = makeFindCriteria(input.text(), input.text(), input.text(), input.byte() % 16 - 1);
                if (!hasNoCondition(criteria)) runFind(catalogue, criteria);
                rebuildView(catalogue);
                break;
            }
            case 5: {
                const int row = viewCount(catalogue) == 0 ? 0 : 1 + input.byte() % viewCount(catalogue);
                if (row != 0) toggleFlag(catalogue.records[catalogue.viewOrder[row]].flags, marked);
                break;
            }
        }
        // Proper case may legitimately upset the order of equal-looking keys.
        if (const auto breaks = invariantBreaks(catalogue, false); !breaks.empty()) {
            std::fprintf(stderr, "invariant broken: %s\n", breaks.front().c_str());
            std::abort();
        }
    }
    return 0;
}
