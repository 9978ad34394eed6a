#include <gtest/gtest.h>

#include "dialogs/record_store.h"
#include "platform/testing/scripted_message_boxes.h"
#include "tests/core/catalogue_builders.h"

namespace {

using platform::Answer;

struct RecordStoreTest : ::testing::Test {
    Catalogue catalogue;
    platform::scripted::ScriptedMessageBoxes messages;

    void SetUp() override {
        catalogue.books.upperCase = true;
        addBook(catalogue, "AUSTEN", "EMMA", "1-2-2003", 4, 6);
        catalogue.books.changed = false;
    }

    StoreResult store(const RecordFields& fields) { return storeRecord(catalogue, fields, 2026, messages); }
};

TEST_F(RecordStoreTest, MissingAuthorOrTitleIsRefusedWithFocusOnAuthor) {
    messages.expect(Answer::Ok);
    const StoreResult result = store({"BRONTE", "", "", "", 0, 0});
    EXPECT_FALSE(result.stored);
    EXPECT_EQ(result.focusBox, AuthorBoxId);
    EXPECT_EQ(messages.shown.back().text, "Must specify author and title");
    EXPECT_EQ(messages.shown.back().caption, "");
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::Stop);
    EXPECT_EQ(recordCount(catalogue.books), 1);
    EXPECT_FALSE(catalogue.books.changed);
}

TEST_F(RecordStoreTest, MissingAuthorIsReportedBeforeAnIllegalDate) {
    messages.expect(Answer::Ok);
    store({"", "TITLE", "2/30/2001", "", 0, 0});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown.back().text, "Must specify author and title");
}

TEST_F(RecordStoreTest, IllegalDateIsRefusedWithFocusOnDate) {
    messages.expect(Answer::Ok);
    const StoreResult result = store({"BRONTE", "JANE EYRE", "2/30/2001", "", 0, 0});
    EXPECT_EQ(result.focusBox, DateReadBoxId);
    EXPECT_EQ(messages.shown.back().text, "Illegal date");
    EXPECT_EQ(recordCount(catalogue.books), 1);
}

TEST_F(RecordStoreTest, BlanksCountAsTextAndDatesAreNormalised) {
    EXPECT_TRUE(store({"  ", "JANE EYRE", "2/3/04", "Lent", 2, 3}).stored);
    const int added = catalogue.view.currentRecord;
    EXPECT_EQ(readDateOf(catalogue.books, added), packReadDate("02-03-2004"));
    EXPECT_EQ(catalogue.books.records[added].disposition, "Lent");
    EXPECT_TRUE(catalogue.books.changed);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RecordStoreTest, ReplaceKeepsTheOldVersionAsADeletedRecord) {
    catalogue.view.currentRecord = 1;
    EXPECT_TRUE(store({"AUSTEN", "EMMA", "01-02-2003", "", 4, 6}).stored);
    ASSERT_EQ(recordCount(catalogue.books), 2);
    const int oldVersion = catalogue.view.currentRecord == 1 ? 2 : 1;
    EXPECT_TRUE(testFlag(catalogue.books.records[oldVersion].flags, DeletedFlag));
    EXPECT_FALSE(testFlag(catalogue.books.records[oldVersion].flags, ShownFlag));
    EXPECT_EQ(viewCount(catalogue.view), 1);
    EXPECT_EQ(catalogue.view.order[catalogue.view.selectedRow], catalogue.view.currentRecord);
}

TEST_F(RecordStoreTest, ReplaceThatChangesTheTitleMovesTheRecord) {
    addBook(catalogue, "AUSTEN", "MANSFIELD PARK");
    catalogue.view.currentRecord = 1;  // EMMA
    EXPECT_TRUE(store({"AUSTEN", "PERSUASION", "", "", 0, 0}).stored);
    EXPECT_EQ(viewRows(catalogue), (std::vector<std::string>{"AUSTEN MANSFIELD PARK", "AUSTEN PERSUASION"}));
    EXPECT_EQ(catalogue.view.selectedRow, 2);
}

TEST_F(RecordStoreTest, RefusedReplaceLeavesTheEditedRecordAlone) {
    catalogue.view.currentRecord = 1;
    messages.expect(Answer::Ok);
    EXPECT_FALSE(store({"AUSTEN", "EMMA", "13-1-2003", "", 0, 0}).stored);
    EXPECT_EQ(catalogue.books.records[1].flags, 0x02);
}

TEST_F(RecordStoreTest, FullCatalogueIsRefusedAndTheEditedRecordStays) {
    catalogue.books.records.resize(MaxRecords + 1, catalogue.books.records[1]);
    catalogue.books.readDates.resize(MaxRecords + 1, catalogue.books.readDates[1]);
    catalogue.view.currentRecord = 1;
    messages.expect(Answer::Ok);
    const StoreResult result = store({"BRONTE", "JANE EYRE", "", "", 0, 0});
    EXPECT_FALSE(result.stored);
    EXPECT_NE(messages.shown.back().text.find("The catalogue is full"), std::string::npos);
    EXPECT_EQ(catalogue.books.records[1].flags, 0x02);
    EXPECT_EQ(recordCount(catalogue.books), MaxRecords);
}

}  // namespace
