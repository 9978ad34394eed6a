#include "mainwindow/catalogue_ahead.h"

CatalogueAhead loadAhead(const platform::SystemPath& path, platform::Files& files) {
    if (path.empty()) return {};
    return {path, std::async(std::launch::async, [path, &files] {
                LoadedAhead ahead;
                ahead.file.path = path;
                ahead.outcome = loadCatalogue(ahead.catalogue, ahead.file, files);
                return ahead;
            })};
}

LoadOutcome loadFromAhead(CatalogueAhead& ahead, Catalogue& catalogue, OpenedFile& file, platform::Files& files) {
    if (!ahead.loaded.valid() || ahead.path != file.path) return loadCatalogue(catalogue, file, files);
    LoadedAhead loaded = ahead.loaded.get();
    file = std::move(loaded.file);
    if (loaded.outcome.loaded) {
        // The view counts on from the catalogue's own rebuilds, as if loaded here.
        loaded.catalogue.view.version += catalogue.view.version;
        catalogue = std::move(loaded.catalogue);
    }
    return loaded.outcome;
}
