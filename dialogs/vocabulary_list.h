#pragma once

#include <cstdint>

#include "platform/window.h"

// A drop-down list of a coded field's names (categoryNames, reviewNames):
// entry e stands for code firstCode + e. The record dialog lists the codes 1
// up to its last one; the find dialog lists every category from code 0, whose
// blank name means any category.
struct VocabularyList {
    int firstCode;
    int lastCode;
};

// Adds the names of the list's codes to drop-down list `id`, in code order.
template <typename Names>
void addVocabularyEntries(platform::Windows& windows, platform::WindowHandle dialog, int id, const Names& names,
                          VocabularyList list) {
    for (int code = list.firstCode; code <= list.lastCode; ++code) windows.addDropDownEntry(dialog, id, names[code]);
}

// The entry that shows `code`; -1 (none) for a code the list does not hold.
constexpr int entryOfCode(VocabularyList list, int code) {
    return code >= list.firstCode && code <= list.lastCode ? code - list.firstCode : -1;
}

// The code of an entry; 0 for no entry (-1).
constexpr std::uint8_t codeOfEntry(VocabularyList list, int entry) {
    return static_cast<std::uint8_t>(entry < 0 ? 0 : list.firstCode + entry);
}
