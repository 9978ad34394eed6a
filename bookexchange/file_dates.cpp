#include "bookexchange/file_dates.h"

#include "bookexchange/book_mapping.h"
#include "core/letter_case.h"
#include "core/read_date.h"

namespace {

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A number of digits only; a longer one than any date holds counts as 99999.
int numberOf(const std::string& digits) { return digits.size() > 5 ? 99999 : std::stoi(digits); }

std::string twoDigits(const std::string& number) { return number.size() == 1 ? "0" + number : number; }

std::vector<std::string> fieldsOf(std::string_view date) {
    std::vector<std::string> fields(1);
    for (const char ch : date) {
        if (ch == '-' || ch == '/' || ch == '.')
            fields.emplace_back();
        else
            fields.back() += ch;
    }
    return fields;
}

bool allNumbers(const std::vector<std::string>& fields) {
    return fields.size() == 3 && allDigits(fields[0]) && allDigits(fields[1]) && allDigits(fields[2]);
}

bool yearFirst(const std::vector<std::string>& fields) { return allNumbers(fields) && fields[0].size() == 4; }
bool yearLast(const std::vector<std::string>& fields) { return allNumbers(fields) && fields[0].size() <= 2; }

// The date without brackets around it or a time after it ("2021-03-04T10:00:00+00:00").
std::string bareDate(std::string_view text) {
    std::string date = squeezeBlanks(text);
    if (!date.empty() && date.front() == '[') date = squeezeBlanks(date.substr(1, date.find(']') - 1));
    if (date.size() > 10 && (date[10] == 'T' || date[10] == ' ') && yearFirst(fieldsOf(date.substr(0, 10))))
        date.resize(10);
    return date;
}

}  // namespace

DayMonthOrder dayMonthOrderOf(const std::vector<std::string_view>& dates) {
    bool dayFirstSeen = false, monthFirstSeen = false;
    for (const std::string_view text : dates) {
        // Most files write the year first: those dates are passed over without taking them apart.
        if (text.empty() || allDigits(text.substr(0, 4))) continue;
        const std::vector<std::string> fields = fieldsOf(bareDate(text));
        if (!yearLast(fields)) continue;
        dayFirstSeen = dayFirstSeen || numberOf(fields[0]) > 12;
        monthFirstSeen = monthFirstSeen || numberOf(fields[1]) > 12;
    }
    if (dayFirstSeen == monthFirstSeen) return DayMonthOrder::Undecided;
    return dayFirstSeen ? DayMonthOrder::DayFirst : DayMonthOrder::MonthFirst;
}

FileReadDate fileReadDate(std::string_view text, int currentYear, DayMonthOrder order) {
    const std::string date = bareDate(text);
    FileReadDate result;
    if (date.empty()) return result;
    result.present = true;
    if (lowerText(date) == "read") return result;
    result.shown = date;

    std::vector<std::string> fields = fieldsOf(date);
    std::string typed = date;
    if (yearFirst(fields)) {
        // Calibre writes "no date" as the year 101.
        if (numberOf(fields[0]) < 1000) return FileReadDate{};
        typed = fields[1] + "-" + fields[2] + "-" + fields[0];
        result.shown = fields[0] + "-" + twoDigits(fields[1]) + "-" + twoDigits(fields[2]);
    } else if (yearLast(fields)) {
        const int first = numberOf(fields[0]), second = numberOf(fields[1]);
        const bool dayFirst = first > 12 || (second <= 12 && order == DayMonthOrder::DayFirst);
        result.ambiguous = first != second && first <= 12 && second <= 12 && order == DayMonthOrder::Undecided;
        if (result.ambiguous) return result;
        if (dayFirst) std::swap(fields[0], fields[1]);
        typed = fields[0] + "-" + fields[1] + "-" + fields[2];
    }
    if (!parseReadDate(typed, currentYear)) result.packed = packReadDate(typed);
    return result;
}

std::vector<std::string> readEndDates(std::string_view history) {
    std::vector<std::string> ends;
    for (const std::string& entry : listEntries(history)) {
        // A range of year-first dates: "2023/05/23-2023/06/07" or "2023-05-23-2023-06-07".
        const bool slashes = entry.find('/') != std::string::npos;
        std::size_t from = 0;
        if (slashes && entry.find('-') != std::string::npos) {
            from = entry.rfind('-') + 1;
        } else if (!slashes) {
            std::size_t dashes = 0;
            for (std::size_t at = entry.size(); at-- > 0;)
                if (entry[at] == '-' && ++dashes == 3) {
                    from = at + 1;
                    break;
                }
        }
        ends.push_back(squeezeBlanks(std::string_view(entry).substr(from)));
    }
    return ends;
}
