#include "core/read_date.h"

#include <vector>

#include "core/letter_case.h"

namespace {

struct Field {
    long value = 0;     // the decimal number at its start, leading blanks skipped
    int digits = 0;     // how many digits that number has
    bool clean = true;  // nothing but blanks and digits
};

// A field's value is the number at its start; anything after the digits
// other than blanks marks the field unclean, so "1.5" is refused rather than
// silently read as 1. Values saturate well above any legal year.
Field readField(const std::string& text) {
    Field field;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (field.value < 1000000) field.value = field.value * 10 + (text[i] - '0');
        ++field.digits;
        ++i;
    }
    while (i < text.size() && text[i] == ' ') ++i;
    field.clean = i == text.size();
    return field;
}

// The fields between separators, at least three, each without surrounding
// blanks so that "6 / 30 / 2005" rewrites as 06-30-2005.
std::vector<std::string> splitFields(const std::string& text, const char* separators) {
    std::vector<std::string> fields(1);
    for (char ch : text) {
        if (std::string_view(separators).find(ch) != std::string_view::npos)
            fields.emplace_back();
        else
            fields.back() += ch;
    }
    fields.resize(std::max<std::size_t>(fields.size(), 3));
    for (std::string& field : fields) {
        const auto first = field.find_first_not_of(' ');
        field = first == std::string::npos ? "" : field.substr(first, field.find_last_not_of(' ') - first + 1);
    }
    return fields;
}

// The last two characters (at most) of "0" followed by the field.
std::string twoDigits(const std::string& field) {
    const std::string padded = "0" + field;
    return padded.size() <= 2 ? padded : padded.substr(padded.size() - 2);
}

}  // namespace

int daysInMonth(int month, int year) {
    if (month == 2) return (year % 4 == 0 && year != 1900) ? 29 : 28;
    return month < 8 ? 30 + month % 2 : 30 + (month + 1) % 2;
}

bool parseReadDate(std::string& text, int currentYear) {
    auto fields = splitFields(text, "-/");
    std::string& monthText = fields[0];
    std::string& dayText = fields[1];
    std::string& yearText = fields[2];

    const Field month = readField(monthText);
    const Field day = readField(dayText);
    const int monthDays = daysInMonth(static_cast<int>(month.value), static_cast<int>(readField(yearText).value));

    if (yearText.size() == 2) yearText = (readField(yearText).value < CenturyPivot ? "20" : "19") + yearText;
    const Field year = readField(yearText);

    bool illegal = !month.clean || !day.clean || !year.clean || year.digits > 4;
    if (year.value < DateEpoch || year.value > currentYear)
        illegal = true;
    else if (month.value < 1 || month.value > 12)
        illegal = true;
    else if (day.value < 1 || day.value > monthDays)
        illegal = true;

    text = twoDigits(monthText) + "-" + twoDigits(dayText) + "-" + yearText;
    return illegal;
}

std::uint16_t packReadDate(const std::string& text) {
    const auto fields = splitFields(text, "-");
    const long month = readField(fields[0]).value;
    const long day = readField(fields[1]).value;
    const long year = readField(fields[2]).value;
    return static_cast<std::uint16_t>((year - DateEpoch) * 512 + month * 32 + day);
}

std::string formatReadDate(std::uint16_t packed) {
    // MM-DD-YYYY by hand: the list builds one for every dated record at each
    // rebuild, where a formatted print costs more than all the rest. The
    // fields of any 16-bit value fit: month 0..15, day 0..31, year 1980..2107.
    const int year = DateEpoch + (packed >> 9);
    const int month = (packed >> 5) & 0x0F;
    const int day = packed & 0x1F;
    const auto digit = [](int value) { return static_cast<char>('0' + value % 10); };
    return {digit(month / 10), digit(month),     '-',        digit(day / 10), digit(day), '-', digit(year / 1000),
            digit(year / 100), digit(year / 10), digit(year)};
}

std::string shownReadDate(std::uint16_t packed, bool read) {
    if (packed != 0) return formatReadDate(packed);
    return read ? ReadWithoutDateText : "";
}

bool saysReadWithoutDate(const std::string& typed) {
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    return lowerText(std::string_view(typed).substr(first, typed.find_last_not_of(' ') + 1 - first)) ==
           ReadWithoutDateText;
}
