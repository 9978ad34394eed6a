// Saves that fail for real (read-only folder and file, a full file system, a
// vanished folder), saves through symbolic links, every system call of a save
// failing in turn, and saves killed part-way. The old file is always whole.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>

#include <cstdio>
#include <cstring>
#include <random>

#include "core/ordering.h"
#include "platform/posix/posix_files.h"
#include "platform/testing/failing_files.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_file.h"
#include "tests/storage/save_sequence.h"
#include "tests/support/tmpfs_mount.h"
#include "tests/support/unprivileged_user.h"

namespace {

using namespace storage_test;
using platform::Answer;
using platform::Icon;
using platform::scripted::FailingFiles;

// Tries a save that must fail; checks that the message names the file and the
// reason and that nothing changed anywhere but the backup. When the backup
// cannot be kept either, the user is asked first and agrees to go on.
void expectFailedSave(Catalogue& c, OpenedFile& file, StorageDialogue& ui,
                      platform::scripted::ScriptedMessageBoxes& messages, const std::string& reason,
                      const std::string& oldBytes, const std::string& folder, bool backupKept = true) {
    const std::string before = dump(c, file);
    std::set<std::string> names = namesIn(folder);
    if (!backupKept) messages.expect(Answer::Yes);
    messages.expect(Answer::Ok);
    EXPECT_FALSE(saveCatalogueAsking(c, file, ui));
    ASSERT_EQ(messages.shown.size(), backupKept ? 1u : 2u);
    if (!backupKept) {
        EXPECT_NE(messages.shown[0].text.find("could not be kept as the backup"), std::string::npos);
    }
    const std::string& text = messages.shown.back().text;
    EXPECT_EQ(text.rfind("File Name: " + file.path.systemBytes() + "\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("The catalogue could not be saved: " + reason), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nNothing was written and the changes are kept."), std::string::npos) << text;
    EXPECT_EQ(messages.shown.back().caption, "File Error");
    EXPECT_EQ(messages.shown.back().icon, Icon::Stop);
    EXPECT_TRUE(c.books.changed);
    EXPECT_EQ(dump(c, file), before);  // the deleted record is still there to undelete
    EXPECT_EQ(readBytes(file.path.systemBytes()), oldBytes);
    if (backupKept) {
        names.insert(fs::path(file.path.systemBytes()).filename().string() + ".bak");
        EXPECT_EQ(readBytes(file.path.systemBytes() + ".bak"), oldBytes);
    }
    EXPECT_EQ(namesIn(folder), names);  // no temporary file left
}

TEST(SaveFailure, ReadOnlyFolderByPermissions) {
    TempDir dir;
    const TestPath folder = dir / "ro";
    fs::create_directory(folder);
    writeBytes(folder + "/c.pmr", oldFile());
    ::chmod((folder + "/c.pmr").c_str(), 0666);  // the file itself may be written
    ::chmod(folder.c_str(), 0555);
    Ui ui;
    OpenedFile file{TestPath(folder + "/c.pmr"), {}};
    Catalogue c = unsaved();
    AsUnprivilegedUser nobody;  // root would not be stopped by the folder's bits
    expectFailedSave(c, file, ui.storage, ui.messages, "Permission denied.", oldFile(), folder, false);
}

TEST(SaveFailure, ReadOnlyFileSystem) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting needs root";
    TempDir dir;
    TmpfsMount mount(dir / "mnt", "size=64k");
    if (!mount.mounted()) GTEST_SKIP() << "tmpfs cannot be mounted here";
    writeBytes(dir / "mnt/c.pmr", oldFile());
    ASSERT_TRUE(mount.remountReadOnly());
    Ui ui;
    OpenedFile file{dir / "mnt/c.pmr", {}};
    Catalogue c = unsaved();
    expectFailedSave(c, file, ui.storage, ui.messages, "Read-only file system.", oldFile(), dir / "mnt", false);
}

TEST(SaveFailure, ReadOnlyFile) {
    TempDir dir;
    writeBytes(dir / "c.pmr", oldFile());
    ::chmod((dir / "c.pmr").c_str(), 0444);
    Ui ui;
    OpenedFile file{dir / "c.pmr", {}};
    Catalogue c = unsaved();
    // Even the superuser leaves a file without write permission alone.
    expectFailedSave(c, file, ui.storage, ui.messages, "Permission denied (the file is read-only).", oldFile(),
                     dir.path);
    EXPECT_EQ(permissionsOf(dir / "c.pmr"), 0444u);
    EXPECT_EQ(permissionsOf(dir / "c.pmr.bak"), 0644u);  // its owner may replace it at the next save
}

TEST(SaveFailure, FileOfAnotherUserWithoutWritePermission) {
    TempDir dir;
    writeBytes(dir / "c.pmr", oldFile());
    ::chmod((dir / "c.pmr").c_str(), 0644);  // root's file; the folder is open to all
    Ui ui;
    OpenedFile file{dir / "c.pmr", {}};
    Catalogue c = unsaved();
    AsUnprivilegedUser nobody;
    if (::faccessat(AT_FDCWD, (dir / "c.pmr").c_str(), W_OK, AT_EACCESS) == 0)
        GTEST_SKIP() << "the file is this user's own";
    expectFailedSave(c, file, ui.storage, ui.messages, "Permission denied.", oldFile(), dir.path);
}

TEST(SaveFailure, FullFileSystem) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting needs root";
    TempDir dir;
    TmpfsMount mount(dir / "small", "size=16k");
    if (!mount.mounted()) GTEST_SKIP() << "tmpfs cannot be mounted here";
    writeBytes(dir / "small/c.pmr", oldFile());
    Ui ui;
    OpenedFile file{dir / "small/c.pmr", {}};
    Catalogue c = unsaved(2000);  // some 80 KB: cannot fit
    expectFailedSave(c, file, ui.storage, ui.messages, "No space left on device.", oldFile(), dir / "small");
    // Once there is room the same catalogue saves.
    ui.messages.shown.clear();
    OpenedFile smallFile{dir / "small/c.pmr", {}};
    Catalogue small = unsaved(20);
    EXPECT_TRUE(saveCatalogueAsking(small, smallFile, ui.storage));
    EXPECT_EQ(recordCount(small.books), 19);
}

TEST(SaveFailure, FolderGone) {
    TempDir dir;
    fs::create_directory(dir / "gone");
    Ui ui;
    OpenedFile file{dir / "gone/c.pmr", {}};
    Catalogue c = unsaved();
    fs::remove(dir / "gone");
    const std::string before = dump(c, file);
    ui.messages.expect(Answer::Ok);
    EXPECT_FALSE(saveCatalogueAsking(c, file, ui.storage));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    EXPECT_NE(ui.messages.shown[0].text.find("could not be saved: No such file or directory."), std::string::npos);
    EXPECT_EQ(dump(c, file), before);
    EXPECT_FALSE(exists(dir / "gone"));
}

TEST(SaveFailure, TargetIsAFolder) {
    TempDir dir;
    fs::create_directory(dir / "c.pmr");
    Ui ui;
    OpenedFile file{dir / "c.pmr", {}};
    Catalogue c = unsaved();
    ui.messages.expect(Answer::Ok);
    EXPECT_FALSE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_NE(ui.messages.shown.at(0).text.find("Is a directory"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir / "c.pmr"));
}

// --- what a save keeps -----------------------------------------------------

TEST(AtomicSave, PermissionBitsAndOwnerOfTheReplacedFileAreKept) {
    TempDir dir;
    writeBytes(dir / "c.pmr", oldFile());
    ::chmod((dir / "c.pmr").c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown((dir / "c.pmr").c_str(), 65534, 65534), 0);
    }
    Ui ui;
    OpenedFile file{dir / "c.pmr", {}};
    Catalogue c = unsaved();
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_EQ(permissionsOf(dir / "c.pmr"), 0640u);
    EXPECT_EQ(readBytes(dir / "c.pmr.bak"), oldFile());
    EXPECT_EQ(permissionsOf(dir / "c.pmr.bak"), 0640u);  // no more open to others than the file
    if (root) {
        struct stat st {};
        for (const std::string name : {"c.pmr", "c.pmr.bak"}) {
            ::stat((dir / name).c_str(), &st);
            EXPECT_EQ(st.st_uid, 65534u) << name;
            EXPECT_EQ(st.st_gid, 65534u) << name;
        }
    }
    EXPECT_EQ(namesIn(dir.path), (std::set<std::string>{"c.pmr", "c.pmr.bak"}));
}

TEST(AtomicSave, ThroughASymbolicLinkTheTargetIsReplacedAndTheLinkKept) {
    TempDir dir;
    fs::create_directory(dir / "real");
    writeBytes(dir / "real/c.pmr", oldFile());
    ::chmod((dir / "real/c.pmr").c_str(), 0600);
    fs::create_symlink("real/c.pmr", dir / "relative.pmr");
    fs::create_symlink(dir / "relative.pmr", dir / "chain.pmr");  // a link to a link
    Ui ui;
    OpenedFile file{dir / "chain.pmr", {}};
    Catalogue c = unsaved();
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_TRUE(fs::is_symlink(dir / "chain.pmr"));
    EXPECT_TRUE(fs::is_symlink(dir / "relative.pmr"));
    EXPECT_EQ(fs::read_symlink(dir / "relative.pmr"), "real/c.pmr");
    EXPECT_EQ(permissionsOf(dir / "real/c.pmr"), 0600u);
    Catalogue back;
    OpenedFile backFile;
    backFile.path = dir / "real/c.pmr";
    ASSERT_TRUE(loadCatalogueTelling(back, backFile, ui.storage));
    EXPECT_EQ(books(back), books(c));
    EXPECT_EQ(namesIn(dir / "real"), std::set<std::string>{"c.pmr"});
    // The backup is beside the name the user knows.
    EXPECT_EQ(readBytes(dir / "chain.pmr.bak"), oldFile());
    EXPECT_EQ(namesIn(dir.path), (std::set<std::string>{"chain.pmr", "chain.pmr.bak", "real", "relative.pmr"}));
}

TEST(AtomicSave, ADanglingLinkGetsItsTargetCreated) {
    TempDir dir;
    fs::create_symlink("new.pmr", dir / "link.pmr");
    Ui ui;
    OpenedFile file{dir / "link.pmr", {}};
    Catalogue c = unsaved();
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_TRUE(fs::is_symlink(dir / "link.pmr"));
    EXPECT_TRUE(fs::is_regular_file(dir / "new.pmr"));
}

TEST(AtomicSave, AFailureThroughALinkNamesTheLinkedFile) {
    TempDir dir;
    writeBytes(dir / "target.pmr", oldFile());
    ::chmod((dir / "target.pmr").c_str(), 0444);
    fs::create_symlink("target.pmr", dir / "link.pmr");
    Ui ui;
    OpenedFile file{dir / "link.pmr", {}};
    Catalogue c = unsaved();
    expectFailedSave(c, file, ui.storage, ui.messages, "Permission denied (the file is read-only).", oldFile(),
                     dir.path);
    EXPECT_NE(ui.messages.shown[0].text.find("Linked file: " + (dir / "target.pmr") + "\r\n"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(dir / "link.pmr"));
}

TEST(AtomicSave, ALinkLoopIsReported) {
    TempDir dir;
    fs::create_symlink("b.pmr", dir / "a.pmr");
    fs::create_symlink("a.pmr", dir / "b.pmr");
    Ui ui;
    OpenedFile file{dir / "a.pmr", {}};
    Catalogue c = unsaved();
    ui.messages.expect(Answer::Ok);
    EXPECT_FALSE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_NE(ui.messages.shown.at(0).text.find(std::strerror(ELOOP)), std::string::npos);
}

// The file is read (to compare it and keep it), kept as the backup, which is
// renamed into place and flushed before the new file is even created, and
// only then replaced; last the new file is described for the next save.
TEST(AtomicSave, TheSystemCallsComeInTheSafeOrder) {
    TempDir dir;
    writeBytes(dir / "c.pmr", oldFile());
    FailingFiles failing(platform::systemFileCalls());
    platform::PosixFiles files(failing);
    Ui ui(files);
    OpenedFile file{dir / "c.pmr", {}};
    Catalogue c = unsaved();
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    const std::vector<std::string> expected{
        "status",        "readFile",  // the file now
        "status",        "status",   "createNew",     "setOwner",  "setPermissions", "write",
        "sync",          "close",    "rename",
        "syncDirectory",  // its backup
        "status",        "status",   "checkWritable", "createNew", "setOwner",       "setPermissions",
        "write",         "sync",     "close",         "rename",    "syncDirectory",  // the new file
        "status",                                                                    // its stamp
        "openToLock",    "lock",     "lock"};                                        // its hold
    EXPECT_EQ(failing.calls, expected);
}

// A save killed at each of its file calls in turn, as a crash or a power cut
// would end it: the file is the whole old or new one, the backup the whole
// older or old one, the new file is never in place without the old one kept
// as the backup, only hidden temporary files may be left beside them, and
// the killed program's hold on the file is gone with it.
TEST(AtomicSave, ASaveKilledAtEachCallLosesNothing) {
    TempDir dir;
    const SaveOfLoadedAndChanged save(dir / "c.pmr");
    const TestPath& path = save.path;
    const std::string& newBytes = save.newBytes;
    const std::string older = olderBackup();
    for (std::size_t k = 0; k < save.callCount; ++k) {
        for (const std::string& name : namesIn(dir.path)) std::remove((dir / name).c_str());
        OpenedFile file;
        Catalogue c = loadedAndChanged(path, file);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FailingFiles failing(platform::systemFileCalls());
            platform::PosixFiles files(failing);
            failing.failAt = static_cast<int>(k);
            failing.failure = FailingFiles::Failure::Kill;
            platform::scripted::ScriptedMessageBoxes messages;
            std::unique_ptr<platform::FileHold> hold;
            StorageDialogue ui{messages, files, {}, {}, &hold};
            saveCatalogueAsking(c, file, ui);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "call " << k << " was not reached";
        const std::string now = readBytes(path);
        const std::string backup = readBytes(path + ".bak");
        EXPECT_TRUE(now == oldFile() || now == newBytes) << "killed at call " << k << ": " << now.size() << " bytes";
        EXPECT_TRUE(backup == older || backup == oldFile()) << "killed at call " << k;
        if (now == newBytes) {
            EXPECT_EQ(backup, oldFile()) << "killed at call " << k;
        }
        Ui next;  // a killed holder never counts as holding the file: no notice
        Catalogue reloaded;
        OpenedFile reloadedFile;
        reloadedFile.path = path;
        EXPECT_TRUE(loadCatalogueTelling(reloaded, reloadedFile, next.storage));
        EXPECT_TRUE(next.messages.shown.empty()) << "killed at call " << k;
        for (const std::string& name : namesIn(dir.path)) {
            if (name != "c.pmr" && name != "c.pmr.bak") {
                EXPECT_EQ(name.rfind(".c.pmr.", 0), 0u) << name;
            }
        }
    }
}

// Saves killed at random moments by SIGKILL (as a crash would end them): the
// file is always the whole old catalogue or the whole new one.
TEST(AtomicSave, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
    TempDir dir;
    Catalogue big = makeLargeCatalogue(3000, 7);
    Catalogue small = makeLargeCatalogue(200, 9);
    const std::string bigBytes = encodeCatalogue(big.books, planPurge(big.books));
    const std::string smallBytes = encodeCatalogue(small.books, planPurge(small.books));
    writeBytes(dir / "c.pmr", smallBytes);
    std::mt19937 random(42);
    std::uniform_int_distribution<long> delay(0, 3'000'000);  // nanoseconds
    int sawBig = 0;
    int sawSmall = 0;
    for (int run = 0; run < 40; ++run) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            platform::scripted::ScriptedMessageBoxes messages;
            StorageDialogue ui{messages, platform::systemFiles(), {}, {}};
            for (int i = 0;; ++i) {
                Catalogue& c = i % 2 == 0 ? big : small;
                OpenedFile file{dir / "c.pmr", {}};  // each save is a new program's: none asks about the other's file
                c.books.changed = true;
                if (!saveCatalogueAsking(c, file, ui)) ::_exit(1);
            }
        }
        const timespec wait{0, delay(random)};
        ::nanosleep(&wait, nullptr);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the saving child stopped by itself";
        const std::string now = readBytes(dir / "c.pmr");
        ASSERT_TRUE(now == bigBytes || now == smallBytes) << "run " << run << ": a file of " << now.size() << " bytes";
        (now == bigBytes ? sawBig : sawSmall)++;
        if (exists(dir / "c.pmr.bak")) {
            const std::string backup = readBytes(dir / "c.pmr.bak");
            ASSERT_TRUE(backup == bigBytes || backup == smallBytes)
                << "run " << run << ": a backup of " << backup.size();
        }
        // A killed save may leave its temporary files (a crash cannot clean
        // up); they never take the catalogue's or the backup's name.
        for (const std::string& name : namesIn(dir.path)) {
            if (name != "c.pmr" && name != "c.pmr.bak") {
                EXPECT_EQ(name.rfind(".c.pmr.", 0), 0u) << name;
            }
        }
    }
    EXPECT_GT(sawBig + sawSmall, 0);
    std::size_t temporaries = 0;
    for (const std::string& name : namesIn(dir.path)) temporaries += name.front() == '.';
    std::printf("killed saves: %d left the big file, %d the small one; %zu temporary files were left\n", sawBig,
                sawSmall, temporaries);
}

}  // namespace
