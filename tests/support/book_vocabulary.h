#pragma once

#include <span>

// The words realistic books are made of in one language: names, title words
// and the owner's notes, all UTF-8.
struct BookVocabulary {
    std::span<const char* const> surnames;
    std::span<const char* const> forenames;
    std::span<const char* const> nameEndings;  // 26, one added to the forenames now and then
    std::span<const char* const> titleWords;   // in small letters where the script has them
    std::span<const char* const> smallWords;   // joining title words
    const char* opening;                       // a word a third of the titles begin with
    const char* comma;                         // joints between title words: now and then,
    const char* dash;                          // ... more rarely,
    const char* blank;                         // ... and otherwise
    std::span<const char* const> dispositions;
};

// Russian names and words in Cyrillic.
const BookVocabulary& russianVocabulary();

// Japanese names and words in kanji and kana, without blanks between words.
const BookVocabulary& japaneseVocabulary();
