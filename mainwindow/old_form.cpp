#include "mainwindow/old_form.h"

#include "core/rewrite_texts.h"
#include "core/windows1252.h"
#include "mainwindow/file_messages.h"
#include "mainwindow/main_window.h"

namespace {

// The texts the next save writes that Windows-1252 cannot hold: the author
// of each book kept (each author once), its title and its disposition.
int textsBeyondOldForm(const BookTables& books) {
    std::vector<char> authorCounted(books.authors.size(), 0);
    int texts = 0;
    for (int i = 1; i <= recordCount(books); ++i) {
        const BookRecord& record = books.records[i];
        if (testFlag(record.flags, DeletedFlag)) continue;
        if (!authorCounted[record.authorIndex]) {
            authorCounted[record.authorIndex] = 1;
            texts += !fitsWindows1252(authorOf(books, i));
        }
        texts += !fitsWindows1252(record.title) + !fitsWindows1252(record.disposition);
    }
    return texts;
}

// The text as Windows-1252 holds it, at most MaxTextCharacters characters long (a
// letter may become two), as UTF-8 again.
std::string nearestOldFormText(const std::string& text, platform::Transliterator* transliterator) {
    if (fitsWindows1252(text)) return text;
    std::string bytes = transliterator != nullptr ? transliterator->toCp1252(text).text : utf8ToWindows1252(text);
    if (bytes.size() > static_cast<std::size_t>(MaxTextCharacters)) bytes.resize(MaxTextCharacters);
    return windows1252ToUtf8(bytes);
}

}  // namespace

bool bringTextsIntoOldForm(MainWindow& main) {
    const int texts = textsBeyondOldForm(main.catalogue.books);
    if (texts == 0) return true;
    if (show(main.messages, oldFormQuestion(texts)) != platform::Answer::Yes) return false;
    rewriteTexts(main.catalogue,
                 [&main](const std::string& text) { return nearestOldFormText(text, main.transliterator); });
    return true;
}
