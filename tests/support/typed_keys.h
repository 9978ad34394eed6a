#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// One key for each character, as a keyboard layout or an input method sends
// it, letters of every script among them (QTest::keyClicks sends Latin-1
// only): a character beyond the Basic Multilingual Plane as its surrogate pair.
inline void typeCharacters(QWidget* box, const QString& text) {
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(at, length), Qt::NoModifier);
        at += length;
    }
}
