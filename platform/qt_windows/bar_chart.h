#pragma once

#include <QWidget>
#include <vector>

#include "platform/window.h"

namespace platform::qt {

// A bar chart control: paints the bars it is given where the shared layout
// puts them, and gives screen readers its text equivalent as its
// accessible description.
class BarChartView final : public QWidget {
  public:
    using QWidget::QWidget;

    void setBars(std::vector<ChartBar> bars);
    const std::vector<ChartBar>& bars() const { return shown; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<ChartBar> shown;
};

}  // namespace platform::qt
