#pragma once

#include <string>
#include <vector>

#include "core/catalogue.h"

// What a printed record's first line reads as once pdftotext reads it back.

// Author, title and date read, one blank apart, in UTF-8.
std::string bookLine(const BookTables& books, int record);

// The records' first lines in view order, split into pages of `perPage`.
std::vector<std::vector<std::string>> bookLinesByPage(const Catalogue& catalogue, int perPage);
