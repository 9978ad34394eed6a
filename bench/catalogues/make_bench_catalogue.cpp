// Writes a realistic catalogue of the given size for the benchmarks: the
// books entered one by one through insertRecord and saved by the catalogue
// writer, as the program itself would have made the file. With "scripts", the
// texts are Cyrillic and Japanese, and the file is saved in the new form.
//
//     make_bench_catalogue 32767 books-32767.pmr
//     make_bench_catalogue 32767 books-32767-scripts.pmr scripts
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/system_files.h"
#include "storage/catalogue_file.h"
#include "tests/support/realistic_catalogue.h"

int main(int argc, char** argv) {
    const bool scripts = argc == 4 && std::string(argv[3]) == "scripts";
    const int size = argc == 3 || scripts ? std::atoi(argv[1]) : -1;
    if (size < 0 || size > MaxRecords) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.pmr [scripts]  (SIZE 0..%d)\n", argv[0], MaxRecords);
        return 2;
    }
    Catalogue catalogue =
        enterBooks(realisticBooks(size, 1, scripts ? BookScripts::CyrillicAndJapanese : BookScripts::Latin));
    OpenedFile file{platform::SystemPath::fromSystem(argv[2]), {}};
    catalogue.books.changed = true;  // an empty catalogue is written too
    return saveCatalogue(catalogue, file, platform::systemFiles()).result == SaveOutcome::Saved ? 0 : 1;
}
