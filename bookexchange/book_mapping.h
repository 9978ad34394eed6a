#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How the parts of an imported row become the fields of a book. Every text
// here is UTF-8, converted from the file's encoding before.

// Tabs and line breaks become blanks, runs of blanks one, and the ends lose theirs.
std::string squeezeBlanks(std::string_view text);

// "First Last" as the catalogue lists authors, "Last, First", when it plainly
// is a name of two to four words (letters, dots, hyphens, apostrophes); a
// particle before the surname stays with it ("Ursula K. Le Guin" ->
// "Le Guin, Ursula K."). Anything else (a comma, a suffix such as "Jr.", one
// word, digits) stays as it is.
std::string lastNameFirst(std::string_view name);

// "Last, First" back to "First Last" when it has exactly one comma.
std::string firstNameFirst(std::string_view name);

// The review "Couldn't finish", which a did-not-finish shelf gives.
inline constexpr std::uint8_t CouldNotFinishReview = 1;

// The review code of a rating of 0 to 5 stars, half stars rounded up; 0 for
// none or anything that is not a rating. A rating of `pointsPerStar` points
// a star is first brought to stars.
std::uint8_t reviewFromStars(std::string_view stars, int pointsPerStar = 1);

// The review code of a review name, without regard to case; 0 when none matches.
std::uint8_t reviewFromName(std::string_view name);

// The number of stars a review code stands for (0 for none, and for "Couldn't finish").
int starsOfReview(std::uint8_t review);

// Shelves and tags: comma lists, each entry trimmed.
std::vector<std::string> listEntries(std::string_view list);

// The category code of the first entry that names a category without regard
// to case ("fantasy" and "thriller" included); 0 when none does.
std::uint8_t categoryFromShelves(const std::vector<std::string>& shelves);

// The shelf name a category exports as, which categoryFromShelves reads back.
std::string shelfOfCategory(std::uint8_t category);

// What a reading status or a shelf says of the book.
enum class ReadStatus { Unknown, Read, NotRead, Reading, DidNotFinish };
ReadStatus readStatusOf(std::string_view statusOrShelf);

// The first line of a text, its blanks squeezed.
std::string firstLine(std::string_view text);

// Cuts a text to the 255 characters a catalogue text holds, never inside a
// character as the user sees it (a letter and its accents, an emoji
// sequence). True when it was cut.
bool cutToTextLimit(std::string& text);
