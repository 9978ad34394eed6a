#pragma once

#include <cstdint>
#include <string>

#include "core/catalogue.h"
#include "dialogs/field_ids.h"
#include "platform/message_box.h"

// The record dialog's values exactly as its boxes hold them; the codes are the
// selected list entry (first entry = 1), 0 when nothing is selected.
struct RecordFields {
    std::string author;
    std::string title;
    std::string date;
    std::string disposition;
    std::uint8_t category = 0;
    std::uint8_t review = 0;
};

// 0 when the record was stored, else the box to put the focus on.
struct StoreResult {
    bool stored = false;
    int focusBox = 0;
};

// Checks the typed values and stores them as a new record. When the dialog
// edits a record (currentRecord is not 0), that version is marked deleted and
// hidden first, so Undelete can bring it back. Refused input is reported to
// the user and leaves the catalogue exactly as it was.
StoreResult storeRecord(Catalogue& catalogue, const RecordFields& fields, int currentYear,
                        platform::MessageBoxes& messages);
