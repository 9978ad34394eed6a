// Any file bytes, of either form: decoding never crashes, a file it accepts
// holds every invariant the rest of the program relies on, and writing it
// back in either form and reading that again gives the same catalogue.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

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
    // same in memory, then the written bytes must decode to exactly that, in
    // the form the texts need and in the new form, which holds any text. Either
    // file written again takes the form the texts need.
    const PurgePlan plan = planPurge(loaded.books);
    if (!plan.problem.empty()) {
        std::fprintf(stderr, "accepted a file that cannot be written back: %s\n", plan.problem.c_str());
        std::abort();
    }
    PurgePlan inNewForm = plan;
    inNewForm.form = FileForm::New;
    const std::string written = encodeCatalogue(loaded.books, plan);
    const std::string writtenNew = encodeCatalogue(loaded.books, inNewForm);
    applyPurge(loaded, plan);
    for (const auto& [bytes, form] : {std::pair{&written, plan.form}, std::pair{&writtenNew, FileForm::New}}) {
        BookTables reread;
        const DecodeResult result = decodeCatalogue(*bytes, reread);
        if (result.status != DecodeResult::Loaded || result.form != form || !sameTables(loaded.books, reread))
            std::abort();
        if (encodeCatalogue(reread, planPurge(reread)) != written) std::abort();
    }
    return 0;
}
