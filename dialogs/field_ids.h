#pragma once

#include "platform/window.h"

// Identifiers of the controls of the record and find dialogs. A field has the
// same identifier in both dialogs.
inline constexpr int AuthorBoxId = 1001;
inline constexpr int TitleBoxId = 1002;
inline constexpr int DateReadBoxId = 1003;
inline constexpr int CategoryListId = 1004;
inline constexpr int ReviewListId = 1005;
inline constexpr int DispositionBoxId = 1006;
inline constexpr int CategoryNameBoxId = 1007;  // record dialog, view mode: the category's name over its list
inline constexpr int ReviewNameBoxId = 1008;    // record dialog, view mode: the review's name over its list
inline constexpr int FirstButtonId = 1009;      // record dialog: "&Prev", "&Add" or "&Replace"
inline constexpr int SecondButtonId = 1010;     // record dialog: "&Next", "C&lear" or "&Original"
inline constexpr int SearchButtonId = 1101;     // find dialog: "&Find"
inline constexpr int CancelButtonId = platform::EscapeCommand;  // both dialogs: "&Cancel"
