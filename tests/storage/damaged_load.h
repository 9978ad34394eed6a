#pragma once

// Loading bytes that may be damaged over a catalogue already open, and what
// every such load promises: refused with one message and nothing changed in
// memory, or loaded into a catalogue that keeps its invariants and can be
// worked with and written back.
#include <gtest/gtest.h>

#include <string>

#include "core/letter_case.h"
#include "core/ordering.h"
#include "storage/catalogue_codec.h"
#include "tests/storage/storage_test_support.h"
#include "tests/support/catalogue_invariants.h"

namespace storage_test {

// The catalogue in memory before each load: something else, under another name.
inline Catalogue previousCatalogue() {
    Catalogue c;
    c.upperCase = true;
    insertRecord(c, "PREVIOUS", "BOOK", "", 0, 1, 1);
    insertRecord(c, "PREVIOUS", "OTHER BOOK", "", 0x3399, 1, 1);
    c.changed = true;
    c.fileName = "previous.pmr";
    c.currentRecord = 2;
    return c;
}

struct Loaded {
    bool loaded = false;
    std::string message;  // the text of the one message box, if any
    std::string caption;
};

// Loads `bytes` over previousCatalogue() and checks what every load promises.
inline Loaded loadBytes(const std::string& bytes) {
    BytesFiles files;
    files.bytes = bytes;
    Ui ui(files);
    ui.messages.expect(platform::Answer::Ok);
    Catalogue c = previousCatalogue();
    const std::string before = dump(c);
    c.fileName = "damaged.pmr";
    Loaded result;
    result.loaded = loadCatalogueTelling(c, ui.storage, "previous.pmr");
    if (!ui.messages.shown.empty()) {
        result.message = ui.messages.shown[0].text;
        result.caption = ui.messages.shown[0].caption;
    }
    if (!result.loaded) {
        EXPECT_EQ(ui.messages.shown.size(), 1u);
        EXPECT_EQ(result.caption, "Data Error");
        EXPECT_EQ(result.message.rfind("File Name: damaged.pmr\r\n", 0), 0u) << result.message;
        EXPECT_EQ(dump(c), before);  // nothing changed, fileName included
        return result;
    }
    EXPECT_TRUE(ui.messages.shown.empty());
    EXPECT_EQ(c.fileName, "damaged.pmr");
    const auto breaks = invariantBreaks(c, false);
    EXPECT_TRUE(breaks.empty()) << breaks.front();
    // Whatever loaded can be worked with and written back.
    c.sortByDate = true;
    rebuildView(c);
    EXPECT_TRUE(invariantBreaks(c, false).empty());
    const PurgePlan plan = planPurge(c);
    EXPECT_EQ(plan.problem, "");
    Catalogue again;
    EXPECT_EQ(decodeCatalogue(encodeCatalogue(c, plan), again).status, DecodeResult::Loaded);
    toggleLetterCase(c);
    EXPECT_EQ(insertRecord(c, "NEW AUTHOR", "NEW BOOK", "", 0x2021, 1, 1), InsertResult::Inserted);
    EXPECT_TRUE(invariantBreaks(c, false).empty());
    return result;
}

inline std::string damagedText(const std::string& problem) {
    return "File Name: damaged.pmr\r\nThe file is damaged: " + problem + ".\r\nNothing was loaded.";
}

}  // namespace storage_test
