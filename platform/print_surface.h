#pragma once

#include <string>
#include <string_view>

namespace platform {

// A printer seen as a surface of device units (the printer's own pixels),
// measured from the top-left corner of the printable area. Texts are
// UTF-8, drawn in the print face at a character height: the
// height of the characters themselves, without the cell's internal leading.
// One job at a time: startJob, then pages bracketed by startPage and endPage,
// then endJob.
struct PrintSurface {
    virtual ~PrintSurface() = default;

    // The printable area.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    // The distance from one text line to the next in the print face at
    // `characterHeight`: the cell height plus the face's external leading.
    virtual int lineHeight(int characterHeight) const = 0;

    // The drawn width of `text` in the print face at `characterHeight`.
    virtual int textWidth(std::string_view text, int characterHeight) const = 0;

    // The screen's vertical logical dots per inch; character heights are
    // derived from it.
    virtual int screenDotsPerInchY() const = 0;

    // Job and page brackets; each returns false when it failed.
    virtual bool startJob(const std::string& documentName) = 0;
    virtual bool startPage() = 0;
    virtual bool endPage() = 0;
    virtual bool endJob() = 0;

    // Draws `text` black on white with the top-left corner of its first
    // character cell at (x, y).
    virtual void drawText(int x, int y, std::string_view text, int characterHeight) = 0;
};

}  // namespace platform
