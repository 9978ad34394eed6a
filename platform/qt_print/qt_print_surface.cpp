#include "platform/qt_print/qt_print_surface.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include "platform/utf16.h"

namespace platform::qt_print {

namespace {

// Assumed when the application has no screen at all.
constexpr int FallbackScreenDotsPerInch = 96;

QString toQString(std::string_view text) { return QString::fromStdU16String(utf8ToUtf16(text)); }

// The print face at a character height in device pixels: Qt's pixel size is
// the em height, the character height without the cell's internal leading.
// Kerning is off so that a text is as wide as the sum of its characters.
QFont printFont(int characterHeight) {
    QFont font(QString::fromLatin1(PrintFace));
    font.setPixelSize(std::max(1, characterHeight));
    font.setWeight(QFont::Normal);
    font.setKerning(false);
    return font;
}

class QtPrintSurface final : public PrintSurface {
  public:
    explicit QtPrintSurface(const QPrinterInfo& info) : printer(info, QPrinter::HighResolution) {
        printer.setResolution(PrinterDotsPerInch);
    }

    bool isValid() const { return printer.isValid(); }

    int pageWidth() const override { return printableArea().width(); }
    int pageHeight() const override { return printableArea().height(); }

    int lineHeight(int characterHeight) const override {
        const QFontMetrics metrics = metricsOf(characterHeight);
        return metrics.height() + metrics.leading();
    }

    int textWidth(std::string_view text, int characterHeight) const override {
        return metricsOf(characterHeight).horizontalAdvance(toQString(text));
    }

    int screenDotsPerInchY() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? qRound(screen->logicalDotsPerInchY()) : FallbackScreenDotsPerInch;
    }

    bool startJob(const std::string& documentName) override {
        printer.setDocName(toQString(documentName));
        painter = std::make_unique<QPainter>();
        if (!painter->begin(&printer)) {
            painter.reset();
            return false;
        }
        // Black text on an opaque white ground, so that a text covers what an
        // earlier, longer text left under it.
        painter->setPen(Qt::black);
        painter->setBackground(Qt::white);
        painter->setBackgroundMode(Qt::OpaqueMode);
        pagesInJob = 0;
        return true;
    }

    // Beginning the painter opens the first page; later pages are new pages.
    bool startPage() override {
        if (!painter) return false;
        return pagesInJob++ == 0 || printer.newPage();
    }

    bool endPage() override { return painter != nullptr; }

    bool endJob() override {
        if (!painter) return false;
        const bool ended = painter->end();
        painter.reset();
        return ended;
    }

    // Qt places a text by its baseline; the cell's top lies one ascent above.
    void drawText(int x, int y, std::string_view text, int characterHeight) override {
        if (!painter) return;
        painter->setFont(printFont(characterHeight));
        painter->drawText(QPoint(x, y + painter->fontMetrics().ascent()), toQString(text));
    }

  private:
    QRect printableArea() const { return printer.pageLayout().paintRectPixels(printer.resolution()); }
    QFontMetrics metricsOf(int characterHeight) const { return QFontMetrics(printFont(characterHeight), &printer); }

    QPrinter printer;
    std::unique_ptr<QPainter> painter;
    int pagesInJob = 0;
};

}  // namespace

std::unique_ptr<PrintSurface> openDefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    auto surface = std::make_unique<QtPrintSurface>(info);
    if (!surface->isValid()) return nullptr;
    return surface;
}

}  // namespace platform::qt_print
