#include "statistics/statistics_dialog.h"

#include "core/reading_figures.h"
#include "platform/dialog_frame.h"

using platform::ControlKind;
using platform::MessageKind;
using platform::WindowHandle;
namespace style = platform::style;

namespace {

// Where a list's counts start, in dialog units from its left edge.
constexpr int CountColumn = 105;

// A list's rows: each name, a tab, its count.
struct CountRows final : platform::ListRows {
    std::vector<std::string> texts;

    explicit CountRows(const std::vector<NamedCount>& counts) {
        for (const NamedCount& each : counts) texts.push_back(each.name + "\t" + std::to_string(each.count));
    }
    int count() const override { return static_cast<int>(texts.size()); }
    std::string text(int row) const override { return texts[static_cast<std::size_t>(row)]; }
};

// What the dialog shows, for as long as it shows it.
struct Shown {
    ReadingFigures figures;
    CountRows categories{figures.perCategory};
    CountRows reviews{figures.perReview};
};

std::string books(int count) { return std::to_string(count) + (count == 1 ? " book" : " books"); }

std::vector<platform::ChartBar> yearBars(const ReadingFigures& figures) {
    std::vector<platform::ChartBar> bars;
    for (std::size_t at = 0; at < figures.readPerYear.size(); ++at)
        bars.push_back({std::to_string(figures.firstYear + static_cast<int>(at)), figures.readPerYear[at]});
    return bars;
}

std::string heldText(const ReadingFigures& figures) {
    const std::string undated =
        figures.readUndated > 0 ? " (" + std::to_string(figures.readUndated) + " of them without a date)" : "";
    return books(figures.held) + " held: " + std::to_string(figures.read) + " read" + undated + ", " +
           std::to_string(figures.unread) + " unread, " + std::to_string(figures.marked) + " marked.";
}

std::string busiestText(const ReadingFigures& figures) {
    if (figures.readPerYear.empty()) return "No book has a date read yet.";
    const int most = figures.readPerYear[static_cast<std::size_t>(figures.busiestYear - figures.firstYear)];
    return "Most books read in one year: " + books(most) + " in " + std::to_string(figures.busiestYear) + ".";
}

void fillCounts(platform::Windows& windows, WindowHandle dialog, int id, const CountRows& rows) {
    windows.setListTabStops(dialog, id, {CountColumn});
    windows.setListRows(dialog, id, rows);
}

void fill(platform::Windows& windows, WindowHandle dialog, const Shown& shown) {
    const ReadingFigures& figures = shown.figures;
    windows.setChartBars(dialog, YearChartId, yearBars(figures));
    windows.setText(dialog, HeldLabelId, heldText(figures));
    windows.setText(dialog, BusiestLabelId, busiestText(figures));
    fillCounts(windows, dialog, CategoryCountsId, shown.categories);
    fillCounts(windows, dialog, ReviewCountsId, shown.reviews);
}

void handle(platform::Windows& windows, const Shown& shown, WindowHandle dialog, const platform::Message& message) {
    switch (message.kind) {
        case MessageKind::Init: fill(windows, dialog, shown); break;
        case MessageKind::Command:
            if (message.id == CloseButtonId) windows.endWindow(dialog);
            break;
        case MessageKind::CloseRequest: windows.endWindow(dialog); break;
        default: break;
    }
}

}  // namespace

platform::WindowSpec statisticsDialogBlueprint() {
    platform::WindowSpec blueprint = platform::dialogFrame("Reading Statistics", 300, 242);
    blueprint.controls = {
        {ControlKind::Label, "Books read per year", -1, 5, 4, 290, 10},
        {ControlKind::BarChart, "", YearChartId, 5, 15, 290, 110},
        {ControlKind::Label, "", HeldLabelId, 5, 130, 290, 10},
        {ControlKind::Label, "", BusiestLabelId, 5, 141, 290, 10},
        {ControlKind::Label, "Categories", -1, 5, 155, 140, 10},
        {ControlKind::Label, "Review grades", -1, 155, 155, 140, 10},
        {ControlKind::ListBox, "", CategoryCountsId, 5, 166, 140, 50},
        {ControlKind::ListBox, "", ReviewCountsId, 155, 166, 140, 50},
        {ControlKind::PushButton, "&Close", CloseButtonId, 125, 222, 50, 14, style::DefaultButton},
    };
    return blueprint;
}

void showReadingStatistics(platform::Windows& windows, const BookTables& books, WindowHandle owner) {
    const Shown shown{readingFigures(books)};
    windows.runWindow(statisticsDialogBlueprint(), owner,
                      [&windows, &shown](WindowHandle dialog, const platform::Message& message) {
                          handle(windows, shown, dialog, message);
                      });
}
