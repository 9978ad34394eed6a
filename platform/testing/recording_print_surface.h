#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/print_surface.h"

namespace platform::scripted {

// A printer that records instead of printing: every bracket call in `calls`
// and every page with the texts drawn on it. Its metrics are simple and set by
// the test: a line is the character height plus `lineGap`, and every byte is
// `byteWidth` wide at any height. `failingPage` makes the start of that page
// (counted from 1 within the job) fail; 0 lets every page start.
struct RecordingPrintSurface final : PrintSurface {
    struct DrawnText {
        int x;
        int y;
        std::string text;
        int characterHeight;
        bool operator==(const DrawnText&) const = default;
    };
    using Page = std::vector<DrawnText>;

    int pageWidth() const override { return width; }
    int pageHeight() const override { return height; }
    int lineHeight(int characterHeight) const override { return characterHeight + lineGap; }
    int textWidth(std::string_view text, int) const override { return static_cast<int>(text.size()) * byteWidth; }
    int screenDotsPerInchY() const override { return screenDpiY; }

    bool startJob(const std::string& documentName) override {
        calls.push_back("startJob " + documentName);
        if (failJobStart) return false;
        pages.clear();
        return true;
    }

    bool startPage() override {
        calls.push_back("startPage");
        if (static_cast<int>(pages.size()) + 1 == failingPage) return false;
        pages.emplace_back();
        pageOpen = true;
        return true;
    }

    bool endPage() override {
        calls.push_back("endPage");
        pageOpen = false;
        return true;
    }

    bool endJob() override {
        calls.push_back("endJob");
        return true;
    }

    void drawText(int x, int y, std::string_view text, int characterHeight) override {
        if (!pageOpen) throw std::logic_error("text drawn outside a page: " + std::string(text));
        pages.back().push_back({x, y, std::string(text), characterHeight});
    }

    // Metrics.
    int width = 2400;
    int height = 3000;
    int lineGap = 4;
    int byteWidth = 20;
    int screenDpiY = 96;

    // Failures.
    bool failJobStart = false;
    int failingPage = 0;

    // What was printed.
    std::vector<std::string> calls;
    std::vector<Page> pages;
    bool pageOpen = false;
};

}  // namespace platform::scripted
