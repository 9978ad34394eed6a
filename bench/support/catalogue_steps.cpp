#include "bench/support/catalogue_steps.h"

#include <filesystem>
#include <stdexcept>

#include "platform/system_files.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_file.h"

Catalogue loadCatalogueFile(const std::string& file) {
    Catalogue catalogue;
    OpenedFile openFile{platform::SystemPath::fromSystem(file), {}};
    if (!std::filesystem::exists(file))
        throw std::runtime_error(file + " is missing: cmake --build --preset release --target bench_catalogues");
    if (!loadCatalogue(catalogue, openFile, platform::systemFiles()).loaded)
        throw std::runtime_error(file + " could not be loaded");
    return catalogue;
}

void dropBook(Catalogue& catalogue, int record) {
    setFlag(catalogue.books.records[record].flags, DeletedFlag, true);
    applyPurge(catalogue, planPurge(catalogue.books));
}

void makeRoomForOneBook(Catalogue& catalogue) {
    if (recordCount(catalogue.books) == MaxRecords) dropBook(catalogue, 1);
}

const char* authorToFind(BookScripts scripts) { return scripts == BookScripts::Latin ? "smith" : "Иванов"; }
