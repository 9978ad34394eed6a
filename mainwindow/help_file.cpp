#include "mainwindow/help_file.h"

#include "platform/path_form.h"

std::vector<platform::SystemPath> helpFolders(const platform::SystemPath& startDirectory,
                                              const platform::SystemPath& programFile) {
    const platform::SystemPath programFolder = platform::folderOf(programFile);
    if (programFolder.empty()) return {startDirectory};
    // The folder above the program's (whose name ends in a separator) is
    // the prefix: the program file's path has its links resolved.
    const std::string& folderBytes = programFolder.systemBytes();
    const platform::SystemPath prefix =
        platform::folderOf(platform::SystemPath::fromSystem(folderBytes.substr(0, folderBytes.size() - 1)));
    return {startDirectory, programFolder,
            platform::inFolder(platform::withSuffix(prefix, "share"), platform::SystemPath::fromSystem("quorvels"))};
}

platform::SystemPath findHelpFile(const std::vector<platform::SystemPath>& folders, platform::Files& files) {
    for (const platform::SystemPath& folder : folders) {
        const platform::SystemPath file = platform::inFolder(folder, HelpFileName);
        platform::FileInfo info;
        if (files.status(file, true, info) == 0 && info.isRegular) return file;
    }
    return platform::inFolder(folders.front(), HelpFileName);
}
