#pragma once

#include "core/catalogue.h"

// A catalogue of `books` made-up books in proper case, built by insertRecord:
// a dozen authors (one with accented letters), titles of two words, every
// fourth book unread, all categories, review grades and a few dispositions.
Catalogue sampleBooks(int books);
