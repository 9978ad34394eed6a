#pragma once

#include <QLineEdit>
#include <QValidator>

namespace platform::qt {

// Judges what the user types or pastes into a text box. It refuses any
// character Windows-1252 cannot hold, since the program keeps its texts in
// it and such a character would otherwise change on the way in, except in a
// box that holds a path, which takes any name the system can hold; in a box
// that does not scroll it also refuses a change that leaves the text wider
// than the box, unless the text was wider already (so a long text the
// program put in can still be shortened).
class TextBoxValidator final : public QValidator {
public:
    TextBoxValidator(QLineEdit* box, bool scrolls, bool holdsPath);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* box;
    bool scrolls;
    bool holdsPath;
    QString before;  // the box's text before the change being judged
};

// Puts the program's own text into a text box without judging it. Qt undoes a
// refused change only when the text before it was acceptable, so a judged
// text that did not fit would let every later change through.
void setTextBoxText(QLineEdit* box, const QString& text);

}  // namespace platform::qt
