#include "platform/qt_windows/text_box_validator.h"

#include <QStyle>

#include "platform/cp1252.h"

namespace platform::qt {

TextBoxValidator::TextBoxValidator(QLineEdit* box, bool scrolls, bool holdsPath)
    : QValidator(box), box(box), scrolls(scrolls), holdsPath(holdsPath), before(box->text()) {
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before = text; });
}

QValidator::State TextBoxValidator::validate(QString& input, int&) const {
    if (!holdsPath && !utf8FitsCp1252(input.toStdString())) return Invalid;
    if (scrolls) return Acceptable;
    // The line edit keeps a two-pixel margin inside its frame.
    const int frame = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) : 0;
    const int room = box->width() - 2 * (frame + 2);
    const int width = box->fontMetrics().horizontalAdvance(input);
    return width <= room || width <= box->fontMetrics().horizontalAdvance(before) ? Acceptable : Invalid;
}

void setTextBoxText(QLineEdit* box, const QString& text) {
    const QValidator* validator = box->validator();
    box->setValidator(nullptr);
    box->setText(text);
    box->setValidator(validator);
}

}  // namespace platform::qt
