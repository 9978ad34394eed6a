#include "platform/qt_windows/text_box_validator.h"

#include <QStyle>
#include <algorithm>

namespace platform::qt {

namespace {

// Characters (code points) of a text; an unpaired surrogate counts as one.
qsizetype characterCount(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        count += !(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate());
    return count;
}

}  // namespace

TextBoxValidator::TextBoxValidator(QLineEdit* box, bool scrolls, int maxCharacters)
    : QValidator(box), box(box), scrolls(scrolls), maxCharacters(maxCharacters), before(box->text()) {
    // Qt counts its own limit in UTF-16 units: a character takes at most two.
    if (maxCharacters > 0) box->setMaxLength(2 * maxCharacters);
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before = text; });
}

QValidator::State TextBoxValidator::validate(QString& input, int& pos) const {
    const qsizetype characters = characterCount(input);
    const qsizetype allowed = std::max<qsizetype>(maxCharacters, characterCount(before));
    if (maxCharacters > 0 && characters > allowed) {
        // What was typed or pasted ends at the cursor: keep as much of its
        // start as the room left takes, as the other systems' boxes do.
        qsizetype start = pos;
        for (qsizetype excess = characters - allowed; excess > 0 && start > 0; --excess)
            start -= start > 1 && input[start - 1].isLowSurrogate() && input[start - 2].isHighSurrogate() ? 2 : 1;
        input.remove(start, pos - start);
        pos = static_cast<int>(start);
        if (input == before) return Invalid;  // nothing fitted: no change at all
    }
    if (scrolls) return Acceptable;
    // The line edit keeps a two-pixel margin inside its frame.
    const int frame = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) : 0;
    const int room = box->width() - 2 * (frame + 2);
    const int width = box->fontMetrics().horizontalAdvance(input);
    return width <= room || width <= box->fontMetrics().horizontalAdvance(before) ? Acceptable : Invalid;
}

QString TextBoxValidator::fitted(const QString& text) const {
    if (maxCharacters <= 0 || characterCount(text) <= maxCharacters) return text;
    qsizetype end = 0;
    for (int kept = 0; kept < maxCharacters; ++kept)
        end += text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate() ? 2 : 1;
    return text.left(end);
}

void setTextBoxText(QLineEdit* box, const QString& text) {
    const QValidator* validator = box->validator();
    const auto* judge = dynamic_cast<const TextBoxValidator*>(validator);
    box->setValidator(nullptr);
    box->setText(judge != nullptr ? judge->fitted(text) : text);
    box->setValidator(validator);
}

}  // namespace platform::qt
