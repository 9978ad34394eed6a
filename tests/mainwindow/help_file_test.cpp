#include <gtest/gtest.h>

#include <bit>

#include "mainwindow/help_file.h"
#include "platform/path_form.h"
#include "platform/testing/memory_files.h"
#include "tests/support/temporary_folder.h"

namespace {

using platform::SystemPath;

SystemPath helpIn(const SystemPath& folder) {
    return platform::SystemPath::fromSystem(folderWithSeparator(folder.systemBytes()) + "quorvels.hlp");
}

// The folders of a program installed under a prefix, then every way they can
// hold the help file: the first that holds it is taken, and the start
// folder's name stands when none does.
TEST(HelpFile, IsTakenFromTheFirstFolderThatHoldsIt) {
    const std::string sep(1, PathSeparator);
    const TestPath start = sep + "home" + sep + "ann";
    const TestPath bin = sep + "opt" + sep + "q" + sep + "bin" + sep;
    const std::vector<SystemPath> folders = helpFolders(start, TestPath(bin + "quorvels"));
    const TestPath data = sep + "opt" + sep + "q" + sep + "share" + sep + "quorvels";
    ASSERT_EQ(folders, (std::vector<SystemPath>{start, bin, data}));
    EXPECT_EQ(helpFolders(start, {}), std::vector<SystemPath>{start});  // the system could not tell

    for (unsigned held = 0; held < 8; ++held) {
        platform::scripted::MemoryFiles files;
        for (unsigned folder = 0; folder < 3; ++folder)
            if (held & (1u << folder)) files.files[helpIn(folders[folder])] = "<html></html>";
        const unsigned first = held == 0 ? 0 : static_cast<unsigned>(std::countr_zero(held));
        EXPECT_EQ(findHelpFile(folders, files), helpIn(folders[first])) << "held in folders " << held;
    }
}

}  // namespace
