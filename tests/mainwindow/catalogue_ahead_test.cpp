// A catalogue loaded on a thread of its own while the toolkit starts is, to
// start-up, the catalogue loaded in turn: loaded, refused or another file.
#include <gtest/gtest.h>

#include "mainwindow/catalogue_ahead.h"
#include "tests/storage/storage_test_support.h"

namespace {

using namespace storage_test;

// Everything start-up sees of a load into its fresh catalogue, whose view was built first.
std::string loadedInto(TempDir& dir, const std::string& name, CatalogueAhead* ahead) {
    Catalogue c;
    rebuildView(c);
    OpenedFile file;
    file.path = dir / name;
    platform::Files& files = platform::systemFiles();
    const LoadOutcome outcome =
        ahead != nullptr ? loadFromAhead(*ahead, c, file, files) : loadCatalogue(c, file, files);
    return dump(c, file) + "loaded " + std::to_string(outcome.loaded) + " problem " +
           (outcome.problem ? std::to_string(int(outcome.problem->what)) + outcome.problem->reason : "none") +
           " version " + std::to_string(c.view.version) + " rows " + std::to_string(viewCount(c.view)) + " stamp " +
           std::to_string(file.onDisk.size) + " " + std::to_string(file.onDisk.hash);
}

TEST(CatalogueAhead, StartUpSeesWhatALoadInTurnGives) {
    TempDir dir;
    writeBytes(dir / "books.pmr", Layout{}
                                      .counts(2, 2)
                                      .record(1, 2, 14, 10, 0x82, "DUNE", "GIVEN AWAY")
                                      .record(2, 1, 0, 0, 0x83, "PERSUASION", "")
                                      .author("HERBERT, FRANK")
                                      .author("AUSTEN, JANE")
                                      .date(0)
                                      .date(513)
                                      .bytes);
    writeBytes(dir / "old.pmr", "Quorvels 1.00 and more");
    writeBytes(dir / "damaged.pmr", Layout{}.counts(3, 1).bytes);
    for (const char* aheadOf : {"books.pmr", "old.pmr", "damaged.pmr", "missing.pmr"})
        for (const char* loaded : {"books.pmr", "old.pmr", "missing.pmr"}) {
            CatalogueAhead ahead = loadAhead(dir / aheadOf, platform::systemFiles());
            EXPECT_EQ(loadedInto(dir, loaded, &ahead), loadedInto(dir, loaded, nullptr)) << aheadOf << " " << loaded;
        }
}

}  // namespace
