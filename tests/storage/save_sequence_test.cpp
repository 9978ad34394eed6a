// The whole save on every system: each of its file calls failing in turn,
// and the hold that tells other copies of the program the file is open.
#include <gtest/gtest.h>

#include "core/ordering.h"
#include "tests/storage/save_sequence.h"

namespace {

using namespace storage_test;
using platform::Answer;

using Failure = FailingSystemFiles::Failure;

// Each file call of a save (the look at the file, its backup, the new file,
// its stamp and its hold) fails in turn, once and for good, with the user
// answering Yes and No when asked whether to save without a backup: the file
// is the whole old or new one, the backup the whole older or old one, nothing
// is replaced without a backup unless the user agreed, no temporary or lock
// file is left, an unchanged file is never taken for a changed one, and every
// save that did not happen said why.
TEST(SaveSequence, EveryCallFailingInTurnLosesNothing) {
    TempDir dir;
    const SaveOfLoadedAndChanged save(dir / "c.pmr");
    const TestPath& path = save.path;
    const std::string& newBytes = save.newBytes;
    const std::string older = olderBackup();
    for (const auto failure : {Failure::Once, Failure::ForGood})
        for (const Answer withoutBackup : {Answer::Yes, Answer::No})
            for (std::size_t k = 0; k < save.callCount; ++k) {
                OpenedFile openFile;
                Catalogue c = loadedAndChanged(path, openFile);
                const std::string before = dump(c, openFile);
                FailingSystemFiles failing;
                failing.calls.failAt = static_cast<int>(k);
                failing.calls.failure = failure;
                bool saved = false;
                std::vector<platform::scripted::ScriptedMessageBoxes::Shown> shown;
                {
                    Ui ui(failing.files);
                    for (const Answer answer : {withoutBackup, Answer::Ok, Answer::Ok}) ui.messages.expect(answer);
                    saved = saveCatalogueAsking(c, openFile, ui.storage);
                    shown = ui.messages.shown;
                }
                SCOPED_TRACE(std::string(failure == Failure::Once ? "once" : "for good") +
                             (withoutBackup == Answer::Yes ? ", Yes" : ", No") + ", failing call " + std::to_string(k) +
                             ": " + failing.calls.failedCall());
                const std::string file = readBytes(path);
                const std::string backup = readBytes(path + ".bak");
                bool askedAboutBackup = false;
                for (const auto& box : shown) {
                    EXPECT_EQ(box.text.find("changed by another program"), std::string::npos);
                    if (box.text.find("could not be kept as the backup") != std::string::npos) askedAboutBackup = true;
                }
                const bool agreedWithoutBackup = askedAboutBackup && withoutBackup == Answer::Yes;
                EXPECT_TRUE(file == oldFile() || file == newBytes);
                EXPECT_TRUE(backup == older || backup == oldFile());
                if (file == newBytes) {
                    EXPECT_TRUE(backup == oldFile() || agreedWithoutBackup);
                }
                EXPECT_EQ(namesIn(dir.path), (std::set<std::string>{"c.pmr", "c.pmr.bak"}));
                if (saved) {
                    EXPECT_EQ(file, newBytes);
                    EXPECT_FALSE(c.books.changed);
                } else {
                    EXPECT_TRUE(c.books.changed);
                    if (file == oldFile()) {
                        EXPECT_EQ(dump(c, openFile), before);
                    }
                    ASSERT_FALSE(shown.empty());
                    if (askedAboutBackup && withoutBackup == Answer::No) {
                        EXPECT_EQ(file, oldFile());
                    } else {
                        EXPECT_EQ(shown.back().caption, "File Error");
                    }
                }
            }
}

// Two copies of the program on one catalogue, and a third: whoever opens a
// file another copy holds is told so and gets it all the same; a save keeps
// the file held; a failed Open keeps it held; a copy that ends holds nothing,
// and the others still hold it.
TEST(SaveSequence, ACatalogueOpenInAnotherCopyIsSaidToBeAtOpen) {
    TempDir dir;
    const TestPath path = dir / "c.pmr";
    writeBytes(path, oldFile());
    auto open = [](Ui& ui, const TestPath& fileName) {
        Catalogue c;
        OpenedFile file{fileName, {}};
        EXPECT_TRUE(loadCatalogueTelling(c, file, ui.storage));
        return c;
    };
    auto expectNotice = [&](Ui& ui) {
        ASSERT_EQ(ui.messages.shown.size(), 1u);
        EXPECT_EQ(ui.messages.shown[0].text, path +
                                                 " is open in another Quorvels window.\r\n"
                                                 "Changes saved here may overwrite changes saved there.");
        EXPECT_EQ(ui.messages.shown[0].caption, "Open File");
        EXPECT_EQ(ui.messages.shown[0].buttons, platform::Buttons::Ok);
        EXPECT_EQ(ui.messages.shown[0].icon, platform::Icon::Exclamation);
        ui.messages.shown.clear();
    };

    auto first = std::make_unique<Ui>();
    OpenedFile oursFile{path, {}};
    Catalogue ours;
    EXPECT_TRUE(loadCatalogueTelling(ours, oursFile, first->storage));
    EXPECT_TRUE(first->messages.shown.empty());
    open(*first, path);  // opened anew by the same copy
    EXPECT_TRUE(first->messages.shown.empty());

    auto second = std::make_unique<Ui>();
    second->messages.expect(Answer::Ok);
    const Catalogue theirs = open(*second, path);
    expectNotice(*second);
    EXPECT_EQ(books(theirs), books(ours));  // opened all the same

    // The first copy saves: the new file is held, whatever held the old one.
    second.reset();
    ours.books.changed = true;
    ASSERT_TRUE(saveCatalogueAsking(ours, oursFile, first->storage));
    Ui third;
    third.messages.expect(Answer::Ok);
    open(third, path);
    expectNotice(third);
    third.hold.reset();

    // A refused file leaves the held one held; a copy that ends holds nothing.
    writeBytes(dir / "bad.pmr", "not a catalogue");
    first->messages.expect(Answer::Ok);
    Catalogue refused;
    OpenedFile refusedFile;
    refusedFile.path = dir / "bad.pmr";
    EXPECT_FALSE(loadCatalogueTelling(refused, refusedFile, first->storage, path));
    first->messages.shown.clear();
    Ui fourth;
    fourth.messages.expect(Answer::Ok);
    open(fourth, path);
    expectNotice(fourth);
    first.reset();
    Ui fifth;  // the one that opened second holds it still
    fifth.messages.expect(Answer::Ok);
    open(fifth, path);
    expectNotice(fifth);
    fourth.hold.reset();
    fifth.hold.reset();
    Ui last;
    open(last, path);
    EXPECT_TRUE(last.messages.shown.empty());
}

}  // namespace
