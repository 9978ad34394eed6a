#pragma once

#include <string>
#include <vector>

#include "core/catalogue.h"

// Every way the catalogue breaks its invariants (empty when it holds them):
// sorted unique authors, indices inside their tables, sorted read dates whose
// indices form a permutation, records in key order, and a view of distinct
// shown records. `ordered` false skips the two order checks, which a
// proper-case conversion may legitimately upset.
std::vector<std::string> invariantBreaks(const Catalogue& catalogue, bool ordered = true);
