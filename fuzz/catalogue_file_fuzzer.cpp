// Any file bytes: decoding never crashes, a file it accepts holds every
// invariant the rest of the program relies on, and writing it back and
// reading that again gives the same catalogue.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "storage/catalogue_codec.h"
#include "tests/support/catalogue_invariants.h"

namespace {

bool sameTables(const BookTables& a, const BookTables& b) {
    if (a.authors != b.authors || a.readDates != b.readDates || a.records.size() != b.records.size()) return false;
    for (std::size_t i = 1; i < a.records.size(); ++i) {
        const BookRecord& x = a.records[i];
        const BookRecord& y = b.records[i];
        if (x.authorIndex != y.authorIndex || x.dateIndex != y.dateIndex || x.category != y.category ||
            x.review != y.review || x.flags != y.flags || x.title != y.title || x.disposition != y.disposition)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Catalogue loaded;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (decodeCatalogue(bytes, loaded.books).status != DecodeResult::Loaded) return 0;
    if (const auto breaks = invariantBreaks(loaded, false); !breaks.empty()) {
        std::fprintf(stderr, "accepted a file that breaks: %s\n", breaks.front().c_str());
        std::abort();
    }
    // A save drops deleted records and unused authors and sets `shown`; do the
    // same in memory, then the written bytes must decode to exactly that.
    const PurgePlan plan = planPurge(loaded.books);
    if (!plan.problem.empty()) return 0;
    const std::string written = encodeCatalogue(loaded.books, plan);
    applyPurge(loaded, plan);
    BookTables reread;
    if (decodeCatalogue(written, reread).status != DecodeResult::Loaded || !sameTables(loaded.books, reread))
        std::abort();
    if (encodeCatalogue(reread, planPurge(reread)) != written) std::abort();
    return 0;
}
