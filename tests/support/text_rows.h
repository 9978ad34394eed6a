#pragma once

#include <string>
#include <vector>

#include "platform/window.h"

// List rows held as texts, for tests that fill a list.
struct TextRows final : platform::ListRows {
    std::vector<std::string> texts;

    TextRows(std::initializer_list<std::string> rows) : texts(rows) {}
    explicit TextRows(std::vector<std::string> rows) : texts(std::move(rows)) {}
    int count() const override { return static_cast<int>(texts.size()); }
    std::string text(int row) const override { return texts.at(static_cast<std::size_t>(row)); }
};
