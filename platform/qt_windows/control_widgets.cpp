#include "platform/qt_windows/control_widgets.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt_windows/bar_chart.h"
#include "platform/qt_windows/list_box.h"
#include "platform/qt_windows/qt_text.h"
#include "platform/qt_windows/text_box_validator.h"

namespace platform::qt {

namespace {

bool has(const ControlSpec& blueprint, unsigned note) { return (blueprint.style & note) != 0; }

QWidget* makePanel(const ControlSpec& blueprint, QWidget* client) {
    auto* panel = new QFrame(client);
    if (has(blueprint, style::Sunken)) {
        panel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        panel->setLineWidth(2);
    }
    return panel;
}

QWidget* makeLabel(const ControlSpec& blueprint, QWidget* client) {
    auto* label = new QLabel(toQt(blueprint.caption), client);
    label->setTextFormat(Qt::PlainText);  // "&" and "<" are shown as they are
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (has(blueprint, style::AlignRight)) horizontal = Qt::AlignRight;
    if (has(blueprint, style::AlignCentre)) horizontal = Qt::AlignHCenter;
    label->setAlignment(horizontal | (has(blueprint, style::CentreVertically) ? Qt::AlignVCenter : Qt::AlignTop));
    label->setIndent(0);
    if (has(blueprint, style::StaticEdge)) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

QWidget* makeTextBox(const ControlSpec& blueprint, QWidget* client) {
    auto* box = new QLineEdit(toQt(blueprint.caption), client);
    box->setFrame(!has(blueprint, style::Borderless));
    box->setReadOnly(has(blueprint, style::ReadOnly));
    box->setValidator(new TextBoxValidator(box, !has(blueprint, style::NoHorizontalScroll), blueprint.maxLength));
    return box;
}

QWidget* makeDropDownList(QWidget* client) {
    auto* list = new QComboBox(client);
    list->setEditable(false);
    list->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return list;
}

QWidget* makePushButton(const ControlSpec& blueprint, QWidget* client) {
    auto* button = new QPushButton(toQt(blueprint.caption), client);
    button->setAutoDefault(false);  // focus does not make a button the default one
    button->setDefault(has(blueprint, style::DefaultButton));
    return button;
}

QWidget* makeGroupBox(const ControlSpec& blueprint, QWidget* client) {
    auto* group = new QGroupBox(toQt(blueprint.caption), client);
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    return group;
}

QWidget* makeWidget(const ControlSpec& blueprint, QWidget* client) {
    switch (blueprint.kind) {
        case ControlKind::Panel: return makePanel(blueprint, client);
        case ControlKind::PushButton: return makePushButton(blueprint, client);
        case ControlKind::Label: return makeLabel(blueprint, client);
        case ControlKind::ListBox: return new ListBoxView(client);
        case ControlKind::TextBox: return makeTextBox(blueprint, client);
        case ControlKind::DropDownList: return makeDropDownList(client);
        case ControlKind::RadioButton: return new QRadioButton(toQt(blueprint.caption), client);
        case ControlKind::CheckBox: return new QCheckBox(toQt(blueprint.caption), client);
        case ControlKind::GroupBox: return makeGroupBox(blueprint, client);
        case ControlKind::BarChart: return new BarChartView(client);
    }
    return new QWidget(client);
}

Qt::FocusPolicy focusPolicyOf(const ControlSpec& blueprint) {
    switch (blueprint.kind) {
        case ControlKind::Panel:
        case ControlKind::Label:
        case ControlKind::GroupBox:
        case ControlKind::BarChart: return Qt::NoFocus;
        case ControlKind::RadioButton: return Qt::ClickFocus;  // its RadioGroup gives the group's tab stop
        default: return has(blueprint, style::NoTabStop) ? Qt::ClickFocus : Qt::StrongFocus;
    }
}

// The list shows whole rows only, and a drop-down list's height is that of
// its opened list: it closes to one line.
QRect placeOf(const ControlSpec& blueprint, const DialogUnits& units, QWidget* widget) {
    QRect place = units.rect(blueprint.x, blueprint.y, blueprint.width, blueprint.height);
    if (auto* list = dynamic_cast<ListBoxView*>(widget)) {
        const int frame = list->frameWidth();
        const int rows = std::max(1, (place.height() - 2 * frame) / list->rowHeight());
        place.setHeight(2 * frame + rows * list->rowHeight());
    } else if (auto* dropDown = dynamic_cast<QComboBox*>(widget)) {
        const int closed = std::min(place.height(), dropDown->sizeHint().height());
        const int itemHeight = std::max(1, dropDown->fontMetrics().height());
        dropDown->setMaxVisibleItems(std::max(1, (place.height() - closed) / itemHeight));
        place.setHeight(closed);
    }
    return place;
}

}  // namespace

QWidget* makeControlWidget(const ControlSpec& blueprint, const DialogUnits& units, QWidget* client) {
    QWidget* widget = makeWidget(blueprint, client);
    widget->setObjectName(QString::number(blueprint.id));
    widget->setFocusPolicy(focusPolicyOf(blueprint));
    widget->setGeometry(placeOf(blueprint, units, widget));
    if (blueprint.kind == ControlKind::GroupBox) widget->lower();  // drawn behind the controls it frames
    return widget;
}

}  // namespace platform::qt
