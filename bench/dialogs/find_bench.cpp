// The find search over the realistic catalogues, one criterion at a time and
// all four together, with the texts a user would type.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/support/bench_catalogue.h"
#include "dialogs/find_search.h"

namespace {

// What a user would type to find some of the books: part of an author, a
// title word, a disposition word, and one more of each for all four at once.
struct TypedSearches {
    const char* author;
    const char* title;
    const char* disposition;
    const char* titleOfAll;
    const char* dispositionOfAll;
};

const TypedSearches& typedSearches(BookScripts scripts) {
    static const TypedSearches latin{authorToFind(BookScripts::Latin), "night", "lent", "the", "shelf"};
    static const TypedSearches cyrillicAndJapanese{authorToFind(BookScripts::CyrillicAndJapanese), "ночь", "Одолжил",
                                                   "の", "本棚"};
    return scripts == BookScripts::Latin ? latin : cyrillicAndJapanese;
}

void registerFind(const std::string& name, FindCriteria (*criteria)(const TypedSearches&)) {
    registerOnBenchCatalogues(name, [criteria](benchmark::State& state, const BenchCatalogue& file) {
        Catalogue catalogue = file.load();
        const FindCriteria typed = criteria(typedSearches(file.scripts));
        for (auto _ : state) benchmark::DoNotOptimize(runFind(catalogue.books, typed));
    });
}

[[maybe_unused]] const bool registered = [] {
    registerFind("runFind/author", [](const TypedSearches& t) { return makeFindCriteria(t.author, "", "", -1); });
    registerFind("runFind/title", [](const TypedSearches& t) { return makeFindCriteria("", t.title, "", -1); });
    registerFind("runFind/disposition",
                 [](const TypedSearches& t) { return makeFindCriteria("", "", t.disposition, -1); });
    registerFind("runFind/category", [](const TypedSearches&) { return makeFindCriteria("", "", "", 5); });
    registerFind("runFind/allFour", [](const TypedSearches& t) {
        return makeFindCriteria(t.author, t.titleOfAll, t.dispositionOfAll, 2);
    });
    return true;
}();

}  // namespace
