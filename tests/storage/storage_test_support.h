#pragma once

// Helpers of the storage tests: temporary folders, file bytes, catalogue files
// built by hand from the file layout, a file seam that hands out fixed
// bytes, and a text form of a catalogue for exact comparisons.

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/catalogue.h"
#include "core/ordering.h"
#include "mainwindow/storage_dialogue.h"
#include "platform/files.h"
#include "platform/system_files.h"
#include "platform/testing/scripted_message_boxes.h"
#include "storage/catalogue_file.h"
#include "tests/support/missing_folder_reason.h"
#include "tests/support/temporary_folder.h"

namespace storage_test {

namespace fs = std::filesystem;

using TempDir = TemporaryFolder;

// The storage tests' names for the test support's file helpers.
inline std::string readBytes(const std::string& path) { return readFile(path); }

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(fsPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

inline bool exists(const std::string& path) {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(fsPath(path), ignored));
}

// Takes every write permission away: on Windows, sets the read-only attribute.
inline void makeReadOnly(const std::string& path) {
    fs::permissions(fsPath(path), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

inline unsigned permissionsOf(const std::string& path) {
    return static_cast<unsigned>(fs::status(fsPath(path)).permissions() & fs::perms::mask);
}

// The names in a folder, sorted.
inline std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (auto& entry : fs::directory_iterator(fsPath(folder))) names.insert(systemPathOf(entry.path().filename()));
    return names;
}

// Little-endian pieces of the layout, written independently of the codec.
inline std::string le16(int value) {
    const auto v = static_cast<std::uint16_t>(value);
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

inline std::string shortText(const std::string& text) {
    return std::string(1, static_cast<char>(static_cast<unsigned char>(text.size()))) + text;
}

// A catalogue file put together field by field as the file layout has it:
// the old form, or with ofNewForm() the new one, whose texts take a two-byte
// length.
struct Layout {
    std::string bytes = "Quorvels 2.00";
    bool newForm = false;

    static Layout ofNewForm() { return {"Quorvels 3.00", true}; }
    std::string text(const std::string& text) const {
        return newForm ? le16(static_cast<int>(text.size())) + text : shortText(text);
    }

    Layout& counts(int records, int authors) {
        bytes += le16(records) + le16(authors);
        return *this;
    }
    Layout& record(int authorIndex, int dateIndex, int category, int review, int flags, const std::string& title,
                   const std::string& disposition) {
        bytes += le16(authorIndex) + le16(dateIndex);
        bytes += static_cast<char>(category);
        bytes += static_cast<char>(review);
        bytes += static_cast<char>(flags);
        bytes += text(title) + text(disposition);
        return *this;
    }
    Layout& author(const std::string& name) {
        bytes += text(name);
        return *this;
    }
    Layout& date(int packed) {
        bytes += le16(packed);
        return *this;
    }
};

// Everything of a catalogue and its file that loading or saving may touch, as text, so that
// "nothing changed" is one comparison with a readable difference.
inline std::string dump(const Catalogue& c, const OpenedFile& file) {
    std::ostringstream out;
    out << "records " << recordCount(c.books) << " authors " << authorCount(c.books) << " dates "
        << c.books.readDates.size() - 1 << "\nchanged " << c.books.changed << " marked " << c.books.markedCount
        << " upper " << c.books.upperCase << " inForm " << c.books.lettersInForm << " current " << c.view.currentRecord
        << " row " << c.view.selectedRow << " mode " << int(c.view.mode) << " byDate " << c.view.sortByDate
        << "\nfile [" << file.path.systemBytes() << "] form " << int(file.form) << " caption [" << viewCaptionOf(c.view)
        << "]\n";
    for (int i = 1; i <= recordCount(c.books); ++i) {
        const BookRecord& r = c.books.records[i];
        out << i << ": a" << r.authorIndex << " d" << r.dateIndex << " c" << int(r.category) << " r" << int(r.review)
            << " f" << int(r.flags) << " [" << r.title << "] [" << r.disposition << "]\n";
    }
    for (int i = 1; i <= authorCount(c.books); ++i) out << "author " << i << " [" << c.books.authors[i] << "]\n";
    for (std::size_t i = 1; i < c.books.readDates.size(); ++i)
        out << "date " << i << " " << c.books.readDates[i] << "\n";
    out << "view";
    for (std::size_t i = 1; i < c.view.order.size(); ++i) out << " " << c.view.order[i];
    out << "\n";
    return out.str();
}

// The books of a catalogue as (author, title, disposition, date, codes, flags)
// lines in record order: what the indices designate, whatever their numbers.
inline std::vector<std::string> books(const Catalogue& c, bool skipDeleted = false) {
    std::vector<std::string> lines;
    for (int i = 1; i <= recordCount(c.books); ++i) {
        const BookRecord& r = c.books.records[i];
        if (skipDeleted && testFlag(r.flags, DeletedFlag)) continue;
        lines.push_back(authorOf(c.books, i) + "|" + r.title + "|" + r.disposition + "|" +
                        std::to_string(readDateOf(c.books, i)) + "|" + std::to_string(r.category) + "|" +
                        std::to_string(r.review) + "|" + std::to_string(r.flags & ~(1 << (ShownFlag - 1))));
    }
    return lines;
}

// A file seam whose readFile hands out fixed bytes (for loading thousands of
// damaged variants without touching the disk); everything else fails.
struct BytesFiles final : platform::Files {
    std::string bytes;
    int readFile(const platform::SystemPath&, std::size_t max, std::string& c) override {
        c = bytes.substr(0, max);
        return 0;
    }
    int status(const platform::SystemPath&, bool, platform::FileInfo&) override { return ENOSYS; }
    platform::ReplaceResult replaceWhole(const platform::SystemPath& path, std::string_view,
                                         const platform::FileInfo*) override {
        return {platform::ReplaceResult::NotReplaced, ENOSYS, std::strerror(ENOSYS), path};
    }
    platform::HoldResult holdOpen(const platform::SystemPath&) override { return {}; }
};

// Message boxes, status texts and Save As of one test, as the main window
// shows and asks what storage finds.
struct Ui {
    explicit Ui(platform::Files& files = platform::systemFiles()) : storage{messages, files, {}, {}, &hold} {
        storage.showProgress = [this](const std::string& text) { statuses.push_back(text); };
    }
    platform::scripted::ScriptedMessageBoxes messages;
    std::vector<std::string> statuses;         // the progress texts shown
    std::unique_ptr<platform::FileHold> hold;  // as the program holds its catalogue's file
    StorageDialogue storage;
};

}  // namespace storage_test
