#pragma once

#include "core/catalogue.h"

// A valid catalogue of `size` records in capitals, built straight into its
// tables (inserting one by one would cost quadratic time): about size / 8
// authors with shared surnames, titles of two to six words, a fifth undated,
// every category and review code, every seventh record marked. The view is
// built and `changed` is clear.
Catalogue makeLargeCatalogue(int size, unsigned seed = 1);
