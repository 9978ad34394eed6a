#pragma once

#include <string>

#include "core/catalogue.h"

// Where two catalogues first differ in their tables (authors, read dates,
// records with every field) or their view ("" when they do not), for
// properties that say two ways give the same catalogue. The view's version
// counter, the file name and `changed` are not compared.
std::string firstDifference(const Catalogue& got, const Catalogue& want);
