#pragma once

#include <QWidget>

#include "platform/qt_windows/dialog_units.h"
#include "platform/window_spec.h"

namespace platform::qt {

// Makes the widget of one control inside `client`: its kind's widget, placed
// and styled as the blueprint says and named by the control's identifier, so that
// it can be found by it. The window connects its notifications.
QWidget* makeControlWidget(const ControlSpec& blueprint, const DialogUnits& units, QWidget* client);

}  // namespace platform::qt
