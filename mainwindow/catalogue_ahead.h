#pragma once

#include <future>

#include "core/catalogue.h"
#include "platform/files.h"
#include "storage/catalogue_file.h"
#include "storage/opened_file.h"

// A catalogue file loaded on a thread of its own while the toolkit starts,
// into a fresh catalogue and file, as start-up would load it into the
// program's own fresh ones.
struct LoadedAhead {
    Catalogue catalogue;
    OpenedFile file;
    LoadOutcome outcome;
};

struct CatalogueAhead {
    platform::SystemPath path;  // "" when nothing is loaded ahead
    std::future<LoadedAhead> loaded;
};

// Starts loading `path` (nothing when it is "") through `files`, which other
// threads may use meanwhile.
CatalogueAhead loadAhead(const platform::SystemPath& path, platform::Files& files);

// Loads file.path into the catalogue, which has loaded nothing yet, with the
// outcome and effects of loadCatalogue: from `ahead`, waiting for it, when
// it loaded that path (ahead is then used up), else through `files`.
LoadOutcome loadFromAhead(CatalogueAhead& ahead, Catalogue& catalogue, OpenedFile& file, platform::Files& files);
