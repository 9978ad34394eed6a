#include <gtest/gtest.h>

#include <sstream>

#include "mainwindow/command_line.h"
#include "platform/system_files.h"
#include "platform/testing/fixed_clock.h"
#include "tests/support/temporary_folder.h"

namespace {

struct Outcome {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    platform::scripted::FixedClock clock{2026};
    const auto status = runCommandLine(arguments, platform::systemFiles(), clock, out, err);
    return {status, out.str(), err.str()};
}

// The commands as a script uses them: an import creates the catalogue, a
// second one adds nothing, a broken file changes nothing, an export gives
// back what an import reads, and a wrong command line is refused.
TEST(CommandLine, ImportsAndExportsWithoutAWindow) {
    const TemporaryFolder folder;
    const TestPath catalogue = folder / "books.pmr";
    const TestPath sample = folder / "storygraph.csv";
    writeFile(sample,
              "Title,Authors,Read Status,Last Date Read,Star Rating,Tags,Owned?\r\n"
              "Good Omens,\"Terry Pratchett, Neil Gaiman\",read,2021/03/15,3.5,\"comedy, fantasy\",Yes\r\n"
              "Circe,Madeline Miller,to-read,,,,No\r\n"
              "The Good Soldier \u0160vejk,Jaroslav Ha\u0161ek,read,2020/02/29,4,thriller,No\r\n");

    const Outcome first = run({"--import", sample, catalogue});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "3 books found: 3 to add.\n3 books added.\n");
    const std::string written = readFile(catalogue);

    const Outcome again = run({"--import", sample, catalogue});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "3 books found: 0 to add, 3 already in the catalogue.\n0 books added.\n");
    EXPECT_EQ(readFile(catalogue), written);

    writeFile(folder / "broken.csv", "Author,Title\n\"Smith, Ann,Alpha\n");
    const Outcome broken = run({"--import", folder / "broken.csv", catalogue});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("line 2, column 1: field 1 opens a quote here that is never closed"), std::string::npos)
        << broken.err;
    EXPECT_EQ(readFile(catalogue), written);

    const Outcome exported = run({"--export", catalogue, folder / "books.csv"});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, "3 books exported.\n");
    const Outcome reimported = run({"--import", folder / "books.csv", folder / "copy.pmr"});
    EXPECT_EQ(reimported.status, 0) << reimported.err;
    EXPECT_EQ(readFile(folder / "copy.pmr"), written);
    EXPECT_EQ(run({"--export", catalogue, folder / "goodreads.csv", "--goodreads"}).status, 0);
    const Outcome nowhere = run({"--export", catalogue, folder / "missing/books.csv"});
    EXPECT_EQ(nowhere.status, 1);
    // The reason is the system's own words.
    EXPECT_NE(nowhere.err.find("The books could not be exported: "), std::string::npos) << nowhere.err;
    EXPECT_NE(nowhere.err.find(".\nNothing was written; an earlier file of that name is unchanged."),
              std::string::npos);
    EXPECT_EQ(readFile(folder / "goodreads.csv").substr(0, 11),
              "\xEF\xBB\xBF"
              "Book Id,");

    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: quorvels [CATALOGUE.pmr | --import", 0), 0u) << help.out;
    EXPECT_EQ(run({"--version"}).out, "quorvels 2.0\n");
    EXPECT_EQ(run({"--import", sample}).status, 1);
    EXPECT_EQ(run({"--frobnicate"}).status, 1);
    EXPECT_FALSE(run({}).status.has_value());
    EXPECT_FALSE(run({"-platform", "offscreen"}).status.has_value());
}

// What is left for the window once the toolkit has taken its own options:
// nothing, one catalogue, or more, which is refused with the usage.
TEST(CommandLine, TheWindowTakesOneCatalogueAtMost) {
    std::ostringstream err;
    EXPECT_EQ(windowCatalogue({}, err), platform::SystemPath{});
    EXPECT_EQ(windowCatalogue({"books.pmr"}, err), platform::SystemPath::fromSystem("books.pmr"));
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(windowCatalogue({"books.pmr", "more.pmr"}, err), std::nullopt);
    EXPECT_EQ(err.str().rfind("quorvels: unknown command line: books.pmr more.pmr\nUsage: ", 0), 0u) << err.str();
}

}  // namespace
