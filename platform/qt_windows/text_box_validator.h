#pragma once

#include <QLineEdit>
#include <QValidator>

namespace platform::qt {

// Judges what the user types or pastes into a text box. Every character is
// welcome, of any script; of what is typed or pasted the box keeps only as
// many characters as leave it at most `maxCharacters` (code points; 0 for no
// limit), and in a box that does not scroll it refuses a change that leaves
// the text wider than the box, unless the text was that long or wide already
// (so a long text the program put in can still be shortened).
class TextBoxValidator final : public QValidator {
  public:
    TextBoxValidator(QLineEdit* box, bool scrolls, int maxCharacters);

    State validate(QString& input, int& pos) const override;

    // The text cut to the box's most characters, for a text the program puts in.
    QString fitted(const QString& text) const;

  private:
    QLineEdit* box;
    bool scrolls;
    int maxCharacters;
    QString before;  // the box's text before the change being judged
};

// Puts the program's own text into a text box without judging it, cut to
// the box's most characters. Qt undoes a refused change only when the text
// before it was acceptable, so a judged text that did not fit would let
// every later change through.
void setTextBoxText(QLineEdit* box, const QString& text);

}  // namespace platform::qt
