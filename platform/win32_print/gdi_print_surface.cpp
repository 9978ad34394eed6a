#include "platform/win32_print/gdi_print_surface.h"

#include <algorithm>
#include <map>
#include <string>

#include "platform/win32_windows/shaped_text.h"
#include "platform/win32_windows/utf16_text.h"

namespace platform::win32_print {

namespace {

// The print face at a character height in device units. A negative height
// asks GDI for the characters' height without the cell's internal leading.
HFONT createPrintFont(int characterHeight) {
    return CreateFontW(-std::max(1, characterHeight), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, PrintFace);
}

class GdiPrintSurface final : public PrintSurface {
  public:
    explicit GdiPrintSurface(HDC dc) : dc(dc), originalFont(static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT))) {}

    ~GdiPrintSurface() override {
        SelectObject(dc, originalFont);
        for (const auto& [height, font] : fonts) DeleteObject(font);
        DeleteDC(dc);
    }

    GdiPrintSurface(const GdiPrintSurface&) = delete;
    GdiPrintSurface& operator=(const GdiPrintSurface&) = delete;

    int pageWidth() const override { return GetDeviceCaps(dc, HORZRES); }
    int pageHeight() const override { return GetDeviceCaps(dc, VERTRES); }

    int lineHeight(int characterHeight) const override {
        selectFont(characterHeight);
        TEXTMETRICW metrics{};
        if (!GetTextMetricsW(dc, &metrics)) return 0;
        return metrics.tmHeight + metrics.tmExternalLeading;
    }

    int textWidth(std::string_view text, int characterHeight) const override {
        selectFont(characterHeight);
        return win32::shapedTextWidth(dc, win32::toWide(text));
    }

    int screenDotsPerInchY() const override {
        const HDC screen = GetDC(nullptr);
        const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return dotsPerInch;
    }

    bool startJob(const std::string& documentName) override {
        const std::wstring name = win32::toWide(documentName);
        DOCINFOW job{};
        job.cbSize = sizeof job;
        job.lpszDocName = name.c_str();
        pageFailed = false;
        return StartDocW(dc, &job) > 0;
    }

    bool startPage() override { return notePage(StartPage(dc) > 0); }
    bool endPage() override { return notePage(EndPage(dc) > 0); }

    // A job one of whose pages failed is abandoned rather than sent to the
    // printer half made.
    bool endJob() override {
        if (pageFailed) {
            AbortDoc(dc);
            return false;
        }
        return EndDoc(dc) > 0;
    }

    // Black on an opaque white ground, so that a text covers what an earlier,
    // longer text left under it; placed by the top-left of its cell. Set at
    // every text, as a printer driver may reset them with each page.
    void drawText(int x, int y, std::string_view text, int characterHeight) override {
        selectFont(characterHeight);
        SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, OPAQUE);
        win32::drawShapedText(dc, x, y, win32::toWide(text));
    }

  private:
    // The print font at this height, made once and kept for the surface's life.
    void selectFont(int characterHeight) const {
        auto [font, made] = fonts.try_emplace(characterHeight);
        if (made) font->second = createPrintFont(characterHeight);
        SelectObject(dc, font->second);
    }

    bool notePage(bool succeeded) {
        if (!succeeded) pageFailed = true;
        return succeeded;
    }

    HDC dc;
    HFONT originalFont;
    mutable std::map<int, HFONT> fonts;
    bool pageFailed = false;
};

}  // namespace

std::unique_ptr<PrintSurface> surfaceOn(HDC dc) { return std::make_unique<GdiPrintSurface>(dc); }

}  // namespace platform::win32_print
