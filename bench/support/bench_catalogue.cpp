#include "bench/support/bench_catalogue.h"

#include <filesystem>
#include <stdexcept>

#include "platform/scripted/scripted_message_boxes.h"
#include "platform/system/system_files.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_file.h"

void atCatalogueSizes(benchmark::internal::Benchmark* benchmark) { benchmark->Arg(5000)->Arg(MaxRecords); }

std::string benchCatalogueFile(int size) {
    return std::string(QUORVELS_BENCH_CATALOGUES) + "/books-" + std::to_string(size) + ".pmr";
}

Catalogue loadBenchCatalogue(int size) {
    Catalogue catalogue;
    catalogue.fileName = benchCatalogueFile(size);
    if (!std::filesystem::exists(catalogue.fileName))
        throw std::runtime_error(catalogue.fileName + " is missing: cmake --build --preset release --target bench_catalogues");
    platform::scripted::ScriptedMessageBoxes noMessages;  // any message box throws
    StorageUi ui{noMessages, platform::systemFiles(), {}, {}};
    if (!loadCatalogue(catalogue, ui)) throw std::runtime_error(catalogue.fileName + " could not be loaded");
    return catalogue;
}

void dropBook(Catalogue& catalogue, int record) {
    setFlag(catalogue.records[record].flags, deleted, true);
    applyPurge(catalogue, planPurge(catalogue));
}

void makeRoomForOneBook(Catalogue& catalogue) {
    if (recordCount(catalogue) == MaxRecords) dropBook(catalogue, 1);
}
