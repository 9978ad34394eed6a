#include "storage/catalogue_file.h"

#include <cerrno>
#include <cstring>

#include "core/folded_order.h"
#include "core/letter_case.h"
#include "core/marks.h"
#include "core/ordering.h"
#include "storage/catalogue_codec.h"

namespace {

LoadOutcome refuseLoad(OpenedFile& file, const platform::SystemPath& previousPath, FileProblem problem) {
    file.path = previousPath;
    return {false, std::move(problem)};
}

// A replacement that did not end in a lasting file, as the problem to report.
FileProblem problemOf(const platform::ReplaceResult& written, FileProblem::What what,
                      const platform::SystemPath& fileName) {
    return {what, fileName, written.target, written.reason, {}};
}

// Keeps the file a save is about to replace as its backup. Returns why it
// could not be kept, "" when it was (or there was nothing to keep).
std::string keepBackup(const FileOnDisk& now, const platform::SystemPath& fileName, platform::Files& files) {
    if (now.missing) return {};
    if (!now.unreadReason.empty()) return now.unreadReason;
    // The backup is itself replaced whole: at every moment it is the
    // previous backup or this one, and the file stays untouched until
    // the backup is safe. It is no more open to others than the file,
    // but its owner may write it, or the next backup could not replace it.
    platform::FileInfo access = now.info;
    access.permissions |= 0200;
    const platform::ReplaceResult kept =
        files.replaceWhole(backupNameOf(fileName), now.bytes, now.described ? &access : nullptr);
    return kept.outcome == platform::ReplaceResult::Replaced ? std::string{} : kept.reason;
}

}  // namespace

LoadOutcome loadCatalogue(Catalogue& catalogue, OpenedFile& file, platform::Files& files,
                          const platform::SystemPath& previousPath) {
    if (!file.path.empty()) {
        const platform::SystemPath fileName = file.path;

        // Described before it is read, so that a change while it is read shows.
        platform::FileInfo info;
        const bool described = files.status(fileName, true, info) == 0;
        std::string bytes;
        if (const int error = files.readFile(fileName, MaxCatalogueFileBytes, bytes); error != 0) {
            const std::string reason = error == EINVAL ? "it is not a regular file" : std::strerror(error);
            return refuseLoad(file, previousPath, {FileProblem::NotRead, fileName, {}, reason, {}});
        }

        BookTables loaded;
        const DecodeResult result = decodeCatalogue(bytes, loaded);
        if (result.status == DecodeResult::WrongMagic)
            return refuseLoad(file, previousPath, {FileProblem::WrongVersion, fileName, {}, {}, {}});
        if (result.status == DecodeResult::Damaged)
            return refuseLoad(file, previousPath, {FileProblem::Damaged, fileName, {}, result.problem, {}});

        BookTables& books = catalogue.books;
        books.records = std::move(loaded.records);
        books.authors = std::move(loaded.authors);
        books.readDates = std::move(loaded.readDates);
        file.onDisk = stampOf(fileName, described, info, bytes);
        file.form = result.form;
        books.changed = false;
        recountMarks(books);
        const std::string& firstAuthor = authorCount(books) > 0 ? books.authors[1] : books.authors[0];
        books.upperCase = firstAuthor == upperText(firstAuthor);
        // The texts are the file's: nothing says they are all in one form.
        books.lettersInForm = false;
        // A record number the new file does not have would point outside it.
        int& current = catalogue.view.currentRecord;
        if (current < 0 || current > recordCount(books)) current = 0;
        current = putInFoldedOrder(books)[current];
    }
    rebuildView(catalogue);
    return {!file.path.empty(), std::nullopt};
}

bool holdCatalogueFile(platform::Files& files, const platform::SystemPath& path,
                       std::unique_ptr<platform::FileHold>& hold) {
    hold.reset();
    platform::HoldResult held = files.holdOpen(path);
    hold = std::move(held.hold);
    return held.heldElsewhere;
}

SaveLook lookAtCatalogueFile(const Catalogue& catalogue, const OpenedFile& file, platform::Files& files) {
    const platform::SystemPath& fileName = file.path;
    if (fileName.empty()) return {FileProblem{FileProblem::NoFileName, fileName, {}, {}, {}}, {}, false, {}};
    SaveLook look;
    look.plan = planPurge(catalogue.books);
    if (!look.plan.problem.empty())
        return {FileProblem{FileProblem::NotSaved, fileName, {}, look.plan.problem, {}}, {}, false, {}};
    look.now = lookAt(files, fileName);
    look.changedElsewhere = file.onDisk.path == fileName && changedSince(file.onDisk, look.now);
    return look;
}

SaveOutcome saveCatalogue(Catalogue& catalogue, OpenedFile& file, platform::Files& files, const SaveLook& look,
                          const SaveChoices& choices) {
    if (!catalogue.books.changed) return {};
    if (look.problem) return {SaveOutcome::NotSaved, *look.problem};
    const platform::SystemPath fileName = file.path;
    if (look.changedElsewhere && !choices.overwriteChanged)
        return {SaveOutcome::NeedsAnswer, {FileProblem::ChangedElsewhere, fileName, {}, {}, {}}};
    if (!choices.withoutBackup) {
        if (std::string reason = keepBackup(look.now, fileName, files); !reason.empty())
            return {SaveOutcome::NeedsAnswer,
                    {FileProblem::BackupNotKept, fileName, backupNameOf(fileName), std::move(reason), {}}};
    }

    // The look's plan, unless it is not of this catalogue's shape (a look
    // made by hand): then a fresh one, which a text may still refuse.
    const bool planFits = look.plan.newRecordNumber.size() == catalogue.books.records.size() &&
                          look.plan.newAuthorIndex.size() == catalogue.books.authors.size();
    std::optional<PurgePlan> fresh;
    const PurgePlan& plan = planFits ? look.plan : fresh.emplace(planPurge(catalogue.books));
    if (!plan.problem.empty()) return {SaveOutcome::NotSaved, {FileProblem::NotSaved, fileName, {}, plan.problem, {}}};
    const std::string bytes = encodeCatalogue(catalogue.books, plan);
    const platform::ReplaceResult written = files.replaceWhole(fileName, bytes);
    if (written.outcome == platform::ReplaceResult::NotReplaced)
        return {SaveOutcome::NotSaved, problemOf(written, FileProblem::NotSaved, fileName)};

    // The file now holds the purged catalogue; memory follows it.
    applyPurge(catalogue, plan);
    platform::FileInfo info;
    const bool described = files.status(fileName, true, info) == 0;
    file.onDisk = stampOf(fileName, described, info, bytes);
    file.form = plan.form;
    if (written.outcome == platform::ReplaceResult::ReplacedUnconfirmed)
        return {SaveOutcome::SavedUnconfirmed, problemOf(written, FileProblem::SavedUnconfirmed, fileName)};
    catalogue.books.changed = false;
    return {};
}

SaveOutcome saveCatalogue(Catalogue& catalogue, OpenedFile& file, platform::Files& files) {
    if (!catalogue.books.changed) return {};
    return saveCatalogue(catalogue, file, files, lookAtCatalogueFile(catalogue, file, files), {});
}

std::optional<FileProblem> createEmptyCatalogueFile(const platform::SystemPath& path, platform::Files& files) {
    platform::FileInfo info;
    const int error = files.status(path, true, info);
    if (error == 0 && (!info.isRegular || info.size > 0)) return std::nullopt;  // there is something: loading judges it
    if (error != 0 && error != ENOENT) return FileProblem{FileProblem::NotCreated, path, {}, std::strerror(error), {}};
    const platform::ReplaceResult written = files.replaceWhole(path, FileMagic);
    if (written.outcome != platform::ReplaceResult::NotReplaced) return std::nullopt;
    return problemOf(written, FileProblem::NotCreated, path);
}
