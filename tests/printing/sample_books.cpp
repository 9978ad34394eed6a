#include "tests/printing/sample_books.h"

#include <string>

#include "core/ordering.h"
#include "core/read_date.h"

namespace {

const char* const authors[] = {
    "Ashdown, Clara",  "Bellamy, Hugh", "Carrow, Maud",   "Duch\u00EAne, H\u00E9l\u00E8ne",
    "Ellery, Edwin",   "Fenwick, Rosa", "Garrod, Silas",  "Hallam, Ada",
    "Ingleby, Tobias", "Jessop, Mary",  "Kerridge, Owen", "Lamorna, Grace",
};
const char* const adjectives[] = {"Silent", "Winter", "Amber", "Hollow", "Distant", "Copper", "Narrow", "Paper"};
const char* const nouns[] = {"Harbour", "Orchard", "Lantern", "Meadow", "River",
                             "Station", "Garden",  "Tower",   "Island", "Bridge"};
const char* const dispositions[] = {"", "Kept on the shelf", "Lent to Margaret", "Given away"};

}  // namespace

Catalogue sampleBooks(int books) {
    Catalogue catalogue;
    for (int n = 0; n < books; ++n) {
        const std::string title = std::string(adjectives[n % 8]) + " " + nouns[(n / 8 + n) % 10];
        const int spread = n * 7919 % 10007;  // scatters the dates
        const std::string date = std::to_string(1 + spread % 12) + "-" + std::to_string(1 + spread / 12 % 28) + "-" +
                                 std::to_string(1985 + spread / 336 % 40);
        insertRecord(catalogue, authors[n * 5 % 12], title, dispositions[n % 4], n % 4 == 3 ? 0 : packReadDate(date),
                     static_cast<std::uint8_t>(n % 14), static_cast<std::uint8_t>(n % 10));
    }
    return catalogue;
}
