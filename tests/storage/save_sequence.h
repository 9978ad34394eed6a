#pragma once

// The folder a save finds on every system, and the calls of a save through
// the machine's own file layer.
#include <string>

#include "core/ordering.h"
#include "platform/testing/failing_system_files.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_file.h"
#include "tests/storage/storage_test_support.h"
#include "tests/support/large_catalogue.h"

namespace storage_test {

// The file on disk before the save: a valid small catalogue.
inline std::string oldFile() {
    return Layout{}.counts(1, 1).record(1, 1, 1, 1, 2, "OLD BOOK", "").author("OLD AUTHOR").date(0).bytes;
}

// An unsaved catalogue of `size` books, one of them deleted.
inline Catalogue unsaved(int size = 40) {
    Catalogue c = makeLargeCatalogue(size);
    setFlag(c.books.records[2].flags, DeletedFlag, true);
    c.books.changed = true;
    return c;
}

// The backup a save finds from the save before.
inline std::string olderBackup() { return Layout{}.counts(0, 0).bytes; }

// The folder as a save finds it: the file, the backup of the save before, and
// a catalogue that was loaded from the file and then changed, with `file`
// as that load left it.
inline Catalogue loadedAndChanged(const std::string& path, OpenedFile& file) {
    writeBytes(path, oldFile());
    writeBytes(path + ".bak", olderBackup());
    Ui plain;
    Catalogue loaded;
    file = {platform::SystemPath::fromSystem(path), {}};
    EXPECT_TRUE(loadCatalogueTelling(loaded, file, plain.storage));
    return unsaved();
}

// The file calls of a successful save of loadedAndChanged(), in order.
inline std::vector<std::string> callsOfASave(const std::string& path) {
    OpenedFile file;
    Catalogue c = loadedAndChanged(path, file);
    FailingSystemFiles failing;
    Ui ui(failing.files);
    EXPECT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    return failing.calls.calls;
}

// The bytes a save of loadedAndChanged() at path writes, and the number of
// file calls it makes: the sweeps fail or kill each in turn.
struct SaveOfLoadedAndChanged {
    explicit SaveOfLoadedAndChanged(const std::string& path) : path(path) {
        Catalogue reference = unsaved();
        newBytes = encodeCatalogue(reference.books, planPurge(reference.books));
        callCount = callsOfASave(path).size();
    }
    TestPath path;
    std::string newBytes;
    std::size_t callCount = 0;
};

}  // namespace storage_test
