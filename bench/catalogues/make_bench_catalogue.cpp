// Writes a realistic catalogue of the given size for the benchmarks: the
// books entered one by one through insertRecord and saved by the catalogue
// writer, as the program itself would have made the file.
//
//     make_bench_catalogue 32767 books-32767.pmr
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/system_files.h"
#include "storage/catalogue_file.h"
#include "tests/support/realistic_catalogue.h"

int main(int argc, char** argv) {
    const int size = argc == 3 ? std::atoi(argv[1]) : -1;
    if (size < 0 || size > MaxRecords) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.pmr  (SIZE 0..%d)\n", argv[0], MaxRecords);
        return 2;
    }
    Catalogue catalogue = enterBooks(realisticBooks(size));
    OpenedFile file{platform::SystemPath::fromSystem(argv[2]), {}};
    catalogue.books.changed = true;  // an empty catalogue is written too
    return saveCatalogue(catalogue, file, platform::systemFiles()).result == SaveOutcome::Saved ? 0 : 1;
}
