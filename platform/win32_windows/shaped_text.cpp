#include "platform/win32_windows/shaped_text.h"

namespace platform::win32 {

ShapedText::ShapedText(HDC dc, std::wstring_view text) {
    if (text.empty()) return;
    const int length = static_cast<int>(text.size());
    if (FAILED(ScriptStringAnalyse(dc, text.data(), length, length * 3 / 2 + 16, -1,
                                   SSA_GLYPHS | SSA_FALLBACK | SSA_LINK, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   &analysis)))
        analysis = nullptr;
}

ShapedText::~ShapedText() {
    if (analysis != nullptr) ScriptStringFree(&analysis);
}

int shapedTextWidth(const ShapedText& shaped) {
    if (shaped.analysis == nullptr) return 0;
    const SIZE* size = ScriptString_pSize(shaped.analysis);
    return size != nullptr ? size->cx : 0;
}

int shapedTextWidth(HDC dc, std::wstring_view text) { return shapedTextWidth(ShapedText(dc, text)); }

void drawShapedText(const ShapedText& shaped, int x, int y, const RECT* clip) {
    if (shaped.analysis != nullptr)
        ScriptStringOut(shaped.analysis, x, y, clip != nullptr ? ETO_CLIPPED : 0, clip, 0, 0, FALSE);
}

void drawShapedText(HDC dc, int x, int y, std::wstring_view text, const RECT* clip) {
    drawShapedText(ShapedText(dc, text), x, y, clip);
}

}  // namespace platform::win32
