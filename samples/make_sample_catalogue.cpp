// Writes the sample catalogue: forty well-known books, entered one by one as
// the record dialog enters them and saved by the catalogue writer.
//
//     make_sample_catalogue samples/sample.pmr
#include <cstdio>
#include <cstdint>
#include <string>

#include "core/ordering.h"
#include "core/read_date.h"
#include "platform/system_files.h"
#include "storage/catalogue_file.h"

namespace {

// Category and review codes, as the record dialog's lists number them.
enum Category : std::uint8_t {
    Spy = 1,
    Mystery,
    Inspirational,
    Romance,
    Historical,
    Adventure,
    Suspense,
    Tragedy,
    Comedy,
    Western,
    Fantasy,
    Detective,
    Horror
};
enum Review : std::uint8_t {
    NotReviewed = 0,
    CouldNotFinish,
    Terrible,
    Bad,
    Fair,
    Ok,
    Good,
    VeryGood,
    Excellent,
    Great
};

struct Book {
    const char* author;  // UTF-8, as every catalogue text
    const char* title;
    const char* readOn;  // MM-DD-YYYY, or "" for a book not read yet
    Category category;
    Review review;
    const char* disposition;
};

const Book books[] = {
    {"le Carré, John", "The Spy Who Came in from the Cold", "03-12-1998", Spy, Excellent, "Kept on the shelf"},
    {"le Carré, John", "Tinker, Tailor, Soldier, Spy", "07-02-2001", Spy, Great, "Kept on the shelf"},
    {"Fleming, Ian", "Casino Royale", "08-15-1994", Spy, Good, "Given to the library"},
    {"Greene, Graham", "Our Man in Havana", "11-30-2005", Comedy, VeryGood, "Lent to Margaret"},
    {"Buchan, John", "The Thirty-Nine Steps", "02-06-1990", Suspense, Good, "Kept on the shelf"},
    {"Christie, Agatha", "Murder on the Orient Express", "06-21-1992", Mystery, Excellent, "Kept on the shelf"},
    {"Christie, Agatha", "And Then There Were None", "09-09-1993", Mystery, Great, "Lent to Paul"},
    {"Sayers, Dorothy L.", "Gaudy Night", "", Detective, NotReviewed, "Borrowed from the library"},
    {"Doyle, Arthur Conan", "The Hound of the Baskervilles", "10-31-1985", Detective, VeryGood, "Kept on the shelf"},
    {"Chandler, Raymond", "The Big Sleep", "04-18-1996", Detective, Excellent, "Second-hand copy"},
    {"Hammett, Dashiell", "The Maltese Falcon", "05-03-1997", Detective, Good, "Sold"},
    {"Eco, Umberto", "The Name of the Rose", "01-14-1989", Mystery, Great, "Kept on the shelf"},
    {"Tolkien, J.R.R.", "The Hobbit", "12-24-1982", Fantasy, Great, "Read aloud to the children"},
    {"Tolkien, J.R.R.", "The Lord of the Rings", "08-01-1984", Fantasy, Great, "Kept on the shelf"},
    {"Le Guin, Ursula K.", "A Wizard of Earthsea", "03-03-2003", Fantasy, Excellent, "Kept on the shelf"},
    {"Herbert, Frank", "Dune", "", Fantasy, NotReviewed, "Waiting on the shelf"},
    {"Austen, Jane", "Pride and Prejudice", "02-14-1987", Romance, Great, "Kept on the shelf"},
    {"Austen, Jane", "Emma", "", Romance, NotReviewed, "Waiting on the shelf"},
    {"Brontë, Charlotte", "Jane Eyre", "11-11-1991", Romance, Excellent, "Lent to Margaret"},
    {"Mitchell, Margaret", "Gone with the Wind", "07-19-1988", Historical, VeryGood, "Given away"},
    {"Tolstoy, Leo", "War and Peace", "", Historical, NotReviewed, "Started twice"},
    {"García Márquez, Gabriel", "One Hundred Years of Solitude", "06-06-2006", Historical, Excellent,
     "Kept on the shelf"},
    {"Dumas, Alexandre", "The Count of Monte Cristo", "09-14-1999", Adventure, Great, "Kept on the shelf"},
    {"Dumas, Alexandre", "The Three Musketeers", "10-02-2000", Adventure, VeryGood, "Kept on the shelf"},
    {"Stevenson, Robert Louis", "Treasure Island", "05-27-1983", Adventure, Good, "Given to the school fair"},
    {"Verne, Jules", "Around the World in Eighty Days", "08-08-1986", Adventure, Ok, "Sold"},
    {"du Maurier, Daphne", "Rebecca", "01-30-2008", Suspense, Excellent, "Kept on the shelf"},
    {"Highsmith, Patricia", "The Talented Mr. Ripley", "", Suspense, NotReviewed, "Borrowed from Anne"},
    {"Shakespeare, William", "Hamlet", "04-23-1995", Tragedy, Great, "Kept on the shelf"},
    {"Hardy, Thomas", "Tess of the d'Urbervilles", "03-17-2002", Tragedy, Fair, "Given away"},
    {"Steinbeck, John", "Of Mice and Men", "10-10-2004", Tragedy, VeryGood, "Kept on the shelf"},
    {"Wodehouse, P.G.", "Right Ho, Jeeves", "12-01-2007", Comedy, Great, "Kept on the shelf"},
    {"Jerome, Jerome K.", "Three Men in a Boat", "06-30-1990", Comedy, Excellent, "Lent to Paul"},
    {"Adams, Douglas", "The Hitchhiker's Guide to the Galaxy", "02-02-1997", Comedy, Great, "Kept on the shelf"},
    {"Grey, Zane", "Riders of the Purple Sage", "", Western, NotReviewed, "Found at a jumble sale"},
    {"Wister, Owen", "The Virginian", "07-04-2009", Western, Fair, "Sold"},
    {"Shelley, Mary", "Frankenstein", "10-13-1999", Horror, VeryGood, "Kept on the shelf"},
    {"Stoker, Bram", "Dracula", "10-31-2003", Horror, Good, "Kept on the shelf"},
    {"Bunyan, John", "The Pilgrim's Progress", "", Inspirational, CouldNotFinish, "Gave up in part two"},
    {"Frankl, Viktor E.", "Man's Search for Meaning", "05-05-2010", Inspirational, Excellent, "Lent to Anne"},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.pmr\n", argv[0]);
        return 2;
    }
    Catalogue catalogue;
    for (const Book& book : books) {
        const std::uint16_t date = *book.readOn != 0 ? packReadDate(book.readOn) : 0;
        if (insertRecord(catalogue, book.author, book.title, book.disposition, date, book.category, book.review) !=
            InsertResult::Inserted)
            return 1;
    }
    // Nothing current, so the list opens on its first row.
    catalogue.view.currentRecord = 0;
    OpenedFile file{platform::SystemPath::fromSystem(argv[1]), {}};
    return saveCatalogue(catalogue, file, platform::systemFiles()).result == SaveOutcome::Saved ? 0 : 1;
}
