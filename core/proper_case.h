#pragma once

#include <string>
#include <string_view>

// properCase (core/letter_case.h) written into `room`, which is reused from
// one text to the next and only grows: converting every author and title
// allocates nothing. Returns the result, which lies in `room`.
std::string_view properCaseInto(std::string_view text, std::string& room);
