// What a save finds before it writes, and what it does without an answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "storage/catalogue_file.h"
#include "storage/file_on_disk.h"
#include "tests/storage/save_sequence.h"

namespace {

using namespace storage_test;

TEST(SaveLook, AFileRewrittenByAnotherProgramNeedsAnAnswerBeforeAnythingIsWritten) {
    TempDir dir;
    OpenedFile file;
    Catalogue c = loadedAndChanged(dir / "c.pmr", file);
    EXPECT_FALSE(lookAtCatalogueFile(c, file, platform::systemFiles()).changedElsewhere);
    const std::string theirs = olderBackup();
    writeBytes(dir / "c.pmr", theirs);
    const SaveLook look = lookAtCatalogueFile(c, file, platform::systemFiles());
    EXPECT_TRUE(look.changedElsewhere);
    EXPECT_EQ(look.now.bytes, theirs);
    const SaveOutcome outcome = saveCatalogue(c, file, platform::systemFiles(), look, {});
    EXPECT_EQ(outcome.result, SaveOutcome::NeedsAnswer);
    EXPECT_EQ(outcome.problem.what, FileProblem::ChangedElsewhere);
    EXPECT_EQ(readBytes(dir / "c.pmr.bak"), olderBackup());
    EXPECT_EQ(readBytes(dir / "c.pmr"), theirs);
    EXPECT_EQ(saveCatalogue(c, file, platform::systemFiles(), look, {true, false}).result, SaveOutcome::Saved);
    EXPECT_EQ(readBytes(dir / "c.pmr.bak"), theirs);
}

TEST(SaveLook, ABackupThatCannotBeKeptNeedsAnAnswerNamingIt) {
    TempDir dir;
    OpenedFile file;
    Catalogue c = loadedAndChanged(dir / "c.pmr", file);
    fs::remove(fsPath(dir / "c.pmr.bak"));
    fs::create_directory(fsPath(dir / "c.pmr.bak"));
    const SaveLook look = lookAtCatalogueFile(c, file, platform::systemFiles());
    const SaveOutcome outcome = saveCatalogue(c, file, platform::systemFiles(), look, {});
    EXPECT_EQ(outcome.result, SaveOutcome::NeedsAnswer);
    EXPECT_EQ(outcome.problem.what, FileProblem::BackupNotKept);
    EXPECT_EQ(outcome.problem.target, dir / "c.pmr.bak");
    EXPECT_FALSE(outcome.problem.reason.empty());
    EXPECT_EQ(readBytes(dir / "c.pmr"), oldFile());
    EXPECT_EQ(saveCatalogue(c, file, platform::systemFiles(), look, {false, true}).result, SaveOutcome::Saved);
    EXPECT_NE(readBytes(dir / "c.pmr"), oldFile());
}

TEST(SaveLook, AVanishedFileIsMissingAndNoChange) {
    TempDir dir;
    OpenedFile file;
    Catalogue c = loadedAndChanged(dir / "c.pmr", file);
    fs::remove(fsPath(dir / "c.pmr"));
    const SaveLook look = lookAtCatalogueFile(c, file, platform::systemFiles());
    EXPECT_TRUE(look.now.missing);
    EXPECT_FALSE(look.changedElsewhere);
    EXPECT_FALSE(look.problem);
    // A look made by hand holds no plan of this catalogue: the save plans afresh.
    EXPECT_EQ(saveCatalogue(c, file, platform::systemFiles(), SaveLook{}, {}).result, SaveOutcome::Saved);
    EXPECT_EQ(readBytes(dir / "c.pmr"), encodeCatalogue(c.books, planPurge(c.books)));
}

TEST(FileStamp, AnyChangeOfTheBytesShowsWhenTheDescriptionsDiffer) {
    std::mt19937 random(41);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(random() % 100, '\0');
        for (char& byte : bytes) byte = static_cast<char>(random());
        FileOnDisk now{false, false, {}, bytes, {}};  // described by nothing: only the bytes can tell
        const FileStamp stamp = stampOf(platform::SystemPath::fromSystem("c.pmr"), false, {}, bytes);
        ASSERT_FALSE(changedSince(stamp, now));
        // A byte changed, the file cut, two of its words swapped.
        if (round % 3 == 0 && !bytes.empty())
            now.bytes[random() % bytes.size()] ^= static_cast<char>(1 + random() % 255);
        if (round % 3 == 1) now.bytes.resize(random() % (bytes.size() + 1));
        if (round % 3 == 2 && bytes.size() >= 16)
            std::rotate(now.bytes.begin(), now.bytes.begin() + 8, now.bytes.begin() + 16);
        ASSERT_EQ(changedSince(stamp, now), now.bytes != bytes) << round;
    }
}

}  // namespace
