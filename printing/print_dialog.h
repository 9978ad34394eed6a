#pragma once

#include "core/catalogue.h"
#include "platform/message_box.h"
#include "platform/print_surface.h"
#include "platform/window.h"
#include "platform/window_spec.h"

// The print dialog's controls: three pairs of radio buttons, "&Print" and "&Cancel".
inline constexpr int MarkedOnlyId = 1201;
inline constexpr int AllListedId = 1202;
inline constexpr int NormalFontId = 1203;
inline constexpr int SmallFontId = 1204;
inline constexpr int BookListLayoutId = 1205;
inline constexpr int BookDataLayoutId = 1206;
inline constexpr int PrintNowButtonId = 1207;
inline constexpr int PrintCancelButtonId = 2;  // the cancel identifier, which Escape sends

// The print dialog as it is built: what to print, how (normal or small font)
// and how much (Book List or Book Data), "&Print" and "&Cancel".
platform::WindowSpec printDialogBlueprint();

// Shows the print dialog modally over `owner` and returns when it has closed.
// "marked records only" is chosen when any record is marked. "&Print" prints
// the view on `printer` (none: the error is reported through `messages`) with
// the chosen options and rebuilds the view (printing clears the marks it
// printed); "&Cancel", Escape and the close box print nothing.
void showPrintDialog(Catalogue& catalogue, platform::Windows& windows, platform::MessageBoxes& messages,
                     platform::PrintSurface* printer, platform::WindowHandle owner);
