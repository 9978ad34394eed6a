#include "platform/win32_windows/shaped_text.h"

#include <usp10.h>

namespace platform::win32 {

namespace {

// The analysis of a text, freed when it goes; empty when the text is empty
// or could not be analysed.
struct ShapedText {
    SCRIPT_STRING_ANALYSIS analysis = nullptr;

    ShapedText(HDC dc, std::wstring_view text) {
        if (text.empty()) return;
        const int length = static_cast<int>(text.size());
        if (FAILED(ScriptStringAnalyse(dc, text.data(), length, length * 3 / 2 + 16, -1,
                                       SSA_GLYPHS | SSA_FALLBACK | SSA_LINK, 0, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, &analysis)))
            analysis = nullptr;
    }
    ~ShapedText() {
        if (analysis != nullptr) ScriptStringFree(&analysis);
    }
    ShapedText(const ShapedText&) = delete;
    ShapedText& operator=(const ShapedText&) = delete;
};

}  // namespace

int shapedTextWidth(HDC dc, std::wstring_view text) {
    const ShapedText shaped(dc, text);
    if (shaped.analysis == nullptr) return 0;
    const SIZE* size = ScriptString_pSize(shaped.analysis);
    return size != nullptr ? size->cx : 0;
}

void drawShapedText(HDC dc, int x, int y, std::wstring_view text, const RECT* clip) {
    const ShapedText shaped(dc, text);
    if (shaped.analysis != nullptr)
        ScriptStringOut(shaped.analysis, x, y, clip != nullptr ? ETO_CLIPPED : 0, clip, 0, 0, FALSE);
}

}  // namespace platform::win32
