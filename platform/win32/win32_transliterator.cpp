#include <windows.h>

#include "platform/system_transliterator.h"
#include "platform/win32/wide_text.h"

namespace platform {

namespace {

// WideCharToMultiByte without WC_NO_BEST_FIT_CHARS writes a character code
// page 1252 lacks as its best fit ("ł" -> "l"), and the default character
// "?" only where there is none, which it reports.
struct Win32Transliterator final : Transliterator {
    Cp1252Text toCp1252(std::string_view utf8) override {
        Cp1252Text result;
        const std::wstring wide = wideFromPath(utf8);
        if (wide.empty()) return result;
        const int length = static_cast<int>(wide.size());
        const int size = WideCharToMultiByte(1252, 0, wide.data(), length, nullptr, 0, "?", nullptr);
        result.text.assign(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
        BOOL usedDefault = FALSE;
        WideCharToMultiByte(1252, 0, wide.data(), length, result.text.data(), size, "?", &usedDefault);
        result.lostCharacters = usedDefault != FALSE;
        return result;
    }
};

}  // namespace

Transliterator& systemTransliterator() {
    static Win32Transliterator transliterator;
    return transliterator;
}

}  // namespace platform
