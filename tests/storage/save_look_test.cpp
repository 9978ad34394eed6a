// What a save finds before it writes, and what it does without an answer.
#include <gtest/gtest.h>

#include "storage/catalogue_file.h"
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
}

}  // namespace
