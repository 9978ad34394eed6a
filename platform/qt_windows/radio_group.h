#pragma once

#include <QButtonGroup>
#include <QRadioButton>

namespace platform::qt {

// One group of radio buttons, exclusive, as the keyboard meets it: a single
// tab stop, at the checked button (the first when none is checked), and the
// arrow keys move the focus and the check round the group in the order the
// buttons were added, passing by disabled and hidden ones. Qt's own arrow
// handling goes by where the buttons sit and stops at the group's edge.
class RadioGroup final : public QButtonGroup {
  public:
    explicit RadioGroup(QObject* owner);

    void add(QRadioButton* button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeTabStop();
    void step(QAbstractButton* from, int by);
};

}  // namespace platform::qt
