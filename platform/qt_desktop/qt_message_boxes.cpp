#include "platform/qt_desktop/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt_windows/qt_text.h"

namespace platform::qt {

namespace {

QMessageBox::Icon iconOf(Icon icon) {
    switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Question: return QMessageBox::Question;
        case Icon::Exclamation: return QMessageBox::Warning;
        case Icon::Stop: return QMessageBox::Critical;
        case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

}  // namespace

Answer QtMessageBoxes::messageBox(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
    QString shown = toQt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(iconOf(icon), toQt(caption), shown, buttonsOf(buttons), QApplication::activeModalWidget());
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // A box closed without a button answers as its Escape key would.
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        case QMessageBox::Ok: return Answer::Ok;
        default: break;
    }
    if (buttons == Buttons::YesNoCancel) return Answer::Cancel;
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

}  // namespace platform::qt
