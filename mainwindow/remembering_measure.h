#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/catalogue.h"
#include "platform/text_measure.h"

// A screen measure that asks the measure it wraps once for each text and
// width and keeps the answer; it measures nothing itself. The book list builds the line of a row each
// time it draws or searches it, so the same authors and titles come back
// again and again, and a toolkit measurement costs microseconds.
struct RememberingMeasure final : platform::TextMeasure {
    explicit RememberingMeasure(const platform::TextMeasure& measure) : measure(measure) {}

    std::size_t fittingPrefix(std::string_view text, int extent) const override;

    // More texts than a full catalogue holds in both letter cases only come
    // after many edits or files; then the kept answers are dropped and
    // gathered anew, so that the store cannot grow without end.
    static constexpr std::size_t MostKept = 4 * static_cast<std::size_t>(MaxRecords);

    const platform::TextMeasure& measure;

  private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    using Answers = std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>>;
    mutable std::vector<std::pair<int, Answers>> answersByExtent;  // the list asks at two widths only
};
