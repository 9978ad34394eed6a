// The whole round on this machine's own services, in a home of its own whose
// name has letters beyond ASCII, which Windows-1252 holds ("Jürgen") or does
// not ("Документы", a usual folder name): the programs and help files of the
// build tree put in a distribution folder, installed through the install
// dialog, the installed program started the way its menu entry says, and the
// installation removed.
//
// The dialog and the uninstaller's question are answered in-process through
// the scripted windowing layer, with the same code the programs run on Qt;
// the real programs are started on a virtual display (see_window.sh) only to
// see that each shows its first window and, unanswered, changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>

#include "install/install_dialog.h"
#include "install/product_files.h"
#include "install/system_services.h"
#include "platform/posix/file_key_store.h"
#include "platform/testing/scripted_windows.h"
#include "tests/support/product_home.h"
#include "uninstall/system_services.h"

namespace {

using platform::Answer;
using platform::scripted::ScriptedUser;
namespace fs = std::filesystem;

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (char ch : text) result += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return result + "'";
}

// Starts `program` in `folder` and waits for its window `caption`: what the
// script says, and whether the window was seen.
bool seesWindow(const std::string& caption, const std::string& folder, const std::string& program, std::string& said) {
    const std::string command = quoted(QUORVELS_SOURCE_DIR "/tests/install/see_window.sh") + " " + quoted(caption) +
                                " " + quoted(folder) + " " + quoted(program) + " 2>&1";
    FILE* script = popen(command.c_str(), "r");
    if (script == nullptr) return false;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, script) != nullptr) said += buffer;
    return pclose(script) == 0;
}

// The "Key=value" lines of a desktop entry.
std::map<std::string, std::string> desktopEntryValues(const std::string& path) {
    std::map<std::string, std::string> values;
    const std::string text = readFile(path);
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        if (const auto equals = line.find('='); equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

// The home's name as the system names it (UTF-8, as this file is written),
// and as the uninstaller's message shows it.
struct HomeName {
    std::string name;
};
void PrintTo(const HomeName& home, std::ostream* out) { *out << home.name; }

struct RoundTrip : ::testing::TestWithParam<HomeName> {
    TemporaryFolder root;
    const TestPath home = root / GetParam().name;
    const TestPath dist = root / "dist";
    const std::string installFolder = home + "/.local/share/Folimarch/";  // UTF-8, as on disk
    const std::string desktopEntry = home + "/Schreibtisch/Folimarch.desktop";
    const std::string menuEntry = home + "/.local/share/applications/Folimarch.desktop";
    std::map<std::string, std::optional<std::string>> savedEnvironment;
    fs::path savedFolder = fs::current_path();

    void SetUp() override {
        setEnvironment("HOME", home);
        setEnvironment("XDG_CONFIG_HOME", home + "/.config");
        setEnvironment("XDG_DATA_HOME", home + "/.local/share");
        writeFile(home + "/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
        fs::create_directories(dist);
        for (const char* name : {"quorvels", "quorvels.hlp", "quorvels.cnt", "install", "unInstall"})
            fs::copy_file(QUORVELS_BUILD_DIR "/" + std::string(name), dist + "/" + name);
    }

    void TearDown() override {
        fs::current_path(savedFolder);
        for (const auto& [name, value] : savedEnvironment)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

    void setEnvironment(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        savedEnvironment.try_emplace(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        setenv(name.c_str(), value.c_str(), 1);
    }

    // The install dialog as the install program runs it, started in the
    // distribution folder, with its default folder.
    void installWithTheDialog() {
        fs::current_path(dist);
        platform::FileKeyStore keys(platform::FileKeyStore::defaultPath());
        platform::scripted::ScriptedWindows ui;
        InstallServices services = systemInstallServices(ui, keys);
        ui.queueScript([&](ScriptedUser& u) {
            EXPECT_EQ(u.text(FolderBoxId), installFolder);  // the path box holds the system's name
            u.click(InstallButtonId);
        });
        ui.messageBoxes.expect(Answer::Ok);
        runInstallDialog(ui, services);
        EXPECT_EQ(ui.messageBoxes.shown.back().text, "Quorvels successfully installed");
    }

    // The uninstaller as its program runs it, started elsewhere, answering Yes.
    std::string uninstallAnsweringYes() {
        fs::current_path(root.path);
        platform::FileKeyStore keys(platform::FileKeyStore::defaultPath());
        platform::scripted::ScriptedMessageBoxes messages;
        UninstallServices services = systemUninstallServices(messages, keys);
        messages.expect(Answer::Yes);
        messages.expect(Answer::Ok);
        runUninstall(services);
        return messages.shown.back().text;
    }

    bool entryRegistered() const {
        return platform::FileKeyStore(platform::FileKeyStore::defaultPath()).keyExists(UninstallEntryPath);
    }
};

TEST_P(RoundTrip, TheInstallerShowsItsDialogAndChangesNothingUnanswered) {
    std::string said;
    EXPECT_TRUE(seesWindow("Install Quorvel", dist, dist + "/install", said)) << said;
    EXPECT_FALSE(fs::exists(installFolder));
    EXPECT_FALSE(entryRegistered());
}

TEST_P(RoundTrip, InstallStartFromTheMenuEntryAndUninstall) {
    installWithTheDialog();
    for (const std::string& name : installedFiles())
        EXPECT_EQ(readFile(installFolder + name), readFile(dist + "/" + name)) << name;
    EXPECT_TRUE(entryRegistered());

    for (const std::string& entry : {desktopEntry, menuEntry}) {
        EXPECT_EQ(desktopEntryProblems(entry), "") << entry;
        auto values = desktopEntryValues(entry);
        EXPECT_EQ(values["Exec"], "\"" + installFolder + "quorvels\"") << entry;
        EXPECT_EQ(values["Path"], installFolder) << entry;
    }

    // Started as the menu entry says: its program (within the quotes) in its folder.
    auto menu = desktopEntryValues(menuEntry);
    const std::string program = menu["Exec"].substr(1, menu["Exec"].size() - 2);
    std::string said;
    EXPECT_TRUE(seesWindow("Quorvels - Lectorium", menu["Path"], program, said)) << said;
    EXPECT_TRUE(seesWindow("Quillery", installFolder, installFolder + "unInstall", said)) << said;
    EXPECT_EQ(namesIn(installFolder).size(), 4u);
    EXPECT_TRUE(entryRegistered());

    EXPECT_EQ(uninstallAnsweringYes(),
              "Quillery has been successfully uninstalled...\r\n\r\n"
              "You can now delete the rest of the folder manually:\r\n" +
                  root / GetParam().name + "/.local/share/Folimarch/");
    EXPECT_EQ(namesIn(installFolder), (std::vector<std::string>{"unInstall"}));
    EXPECT_FALSE(entryRegistered());
    EXPECT_FALSE(fs::exists(desktopEntry));
    EXPECT_FALSE(fs::exists(menuEntry));
}

INSTANTIATE_TEST_SUITE_P(Homes, RoundTrip, ::testing::Values(HomeName{"Jürgen"}, HomeName{"Документы"}),
                         [](const auto& home) { return home.index == 0 ? "Latin" : "Cyrillic"; });

}  // namespace
