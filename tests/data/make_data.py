#!/usr/bin/env python3
"""Writes the test book files and the sample collection under tests/data.

good/*.lib      files Tomecase must load and write back byte for byte
bad/*.lib       damaged or foreign files it must refuse
sample-books.json  the sample collection, in the layout `tomebook dump` prints
good/sample_books.lib  the same collection as a book file

The files are committed; run this after changing it, and `--check` (a ctest)
confirms the committed files are what it makes:
    python3 tests/data/make_data.py [--check]
"""
import json
import pathlib
import struct
import sys

HERE = pathlib.Path(__file__).resolve().parent
HEADER = b"Tomecase Version 1"

WANT_TO_READ, HAVE_READ, IN_CUSTOM_LIST, DELETED, SHOWN = 2, 4, 8, 16, 32
LIST_KEYS = ["authors", "callNumbers", "publishers", "libraries", "categories"]
RECORD_KEYS = ["flags", "author", "callNumber", "orderDate", "pubYear",
               "publisher", "library", "reserved", "category"]


class Rng:
    """A fixed generator, so the files never change with the Python version."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFFFFFFFFFF

    def below(self, n):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) & 0xFFFFFFFFFFFFFFFF
        return (self.state >> 33) % n

    def shuffle(self, items):
        for i in range(len(items) - 1, 0, -1):
            j = self.below(i + 1)
            items[i], items[j] = items[j], items[i]


def book(title, comments=b"", **fields):
    record = dict.fromkeys(RECORD_KEYS, 0)
    record["flags"] = WANT_TO_READ | SHOWN
    record.update(fields)
    return {"record": record, "title": title, "comments": comments}


def collection(books=(), sort_index=None, spare=0, **lists):
    return {"spare": spare, "books": list(books),
            "sort": list(sort_index) if sort_index is not None else list(range(1, len(books) + 1)),
            **{k: list(lists.get(k, [])) for k in LIST_KEYS}}


def text(s):
    if len(s) < 0xFFFF:
        return struct.pack("<H", len(s)) + s
    return b"\xff\xff" + struct.pack("<I", len(s)) + s


def record_bytes(r):
    return struct.pack("<BHBHHBBBB", *(r[k] for k in RECORD_KEYS))


def blocks(c):
    """The file as (block name, bytes) pieces in file order."""
    n = len(c["books"])
    counts = [n] + [len(c[k]) for k in LIST_KEYS[:4]] + [c["spare"], len(c["categories"])]
    out = [("header", HEADER), ("counts", struct.pack("<7i", *counts))]
    if n:
        out += [("sortIndex", struct.pack("<%di" % n, *c["sort"])),
                ("records", b"".join(record_bytes(b["record"]) for b in c["books"])),
                ("titles", b"".join(text(b["title"]) for b in c["books"])),
                ("comments", b"".join(text(b["comments"]) for b in c["books"]))]
    out += [(k, b"".join(text(s) for s in c[k])) for k in LIST_KEYS if c[k]]
    return out


def book_file(c):
    return b"".join(piece for _, piece in blocks(c))


def with_counts(counts, body=b""):
    return HEADER + struct.pack("<7i", *counts) + body


def pack_date(month, day, year):
    return day | month << 5 | (year - 1980) << 9


def austen_emma():
    # The one-book example of the format: Austen, Emma, WantToRead + Shown.
    return collection([book(b"Emma", author=1)], authors=[b"Austen"])


def long_texts():
    rng = Rng(65535)
    letters = lambda n: bytes(0x41 + rng.below(26) for _ in range(n))
    return collection(
        [book(letters(70000), letters(65535), author=1),      # both need the FF FF escape
         book(letters(65534), letters(65536), author=2),      # the longest short form, and just past
         book(b"Short", b"", author=1)],
        sort_index=[3, 1, 2],
        authors=[letters(65535), b"Tolstoy, Leo"])


def books_without_lists():
    return collection(
        [book(b"Untitled draft", b"no author yet", flags=WANT_TO_READ | SHOWN),
         book(b"Notes", b"", flags=HAVE_READ | SHOWN, pubYear=1999),
         book(b"", b"", flags=HAVE_READ, orderDate=pack_date(2, 3, 2005))],
        sort_index=[2, 3, 1])


def lists_without_books():
    # What a new file holds after its first save: the built-in lists only.
    return collection(
        callNumbers=[s.encode() for s in "Fic Mys SF YA PB New W ROM ADV LT NonFic".split()],
        categories=[s.encode() for s in (
            "Detective/PI|Suspense|Police Procedural|Adventure|Special Ops|Detectives as Chefs|"
            "Corporate World|Espionage|Romance|Historical Fiction|Contemporary|Southwest Mysteries|"
            "British Mysteries|War|Family Sagas|Victorian Novels|Fantacy|Vampires|Americal Revolution|"
            "Civil War|Naval|Norman England|Scotland|Disasters|Survival|Legal Mysteries|"
            "Medical Mysteries|Humor|Cats|Dogs|Horses|Wolves|American History").split("|")])


def two_books():
    return collection(
        [book(b"Persuasion", b"from the sale", author=1, callNumber=1, publisher=1, library=1, category=1,
              pubYear=1817, orderDate=pack_date(11, 30, 2004)),
         book(b"Emma", b"", author=1, flags=HAVE_READ | SHOWN, pubYear=1815)],
        sort_index=[2, 1],
        authors=[b"Austen, Jane"], callNumbers=[b"Fic"], publishers=[b"Penguin"],
        libraries=[b"Main Library"], categories=[b"Romance"])


def pub_years():
    years = [2001 * 16, 2500, 2501, 1998, 0, 65535, 2001]
    return collection([book(b"Year %d" % y, author=1, pubYear=y) for y in years],
                      authors=[b"Chronicle, A."])


def all_byte_values():
    every = bytes(range(256))
    books = [book(every, every[::-1], author=1, flags=0xFF, reserved=0xFF, orderDate=0xFFFF, pubYear=1),
             book(b"\x81\x8d\x8f\x90\x9d", b"\x00", author=2, flags=IN_CUSTOM_LIST | DELETED | SHOWN,
                  reserved=7, category=256 - 1),
             book(b"caf\xe9 \x80 \x9f\xff", b"\r\n\t\"\\/", author=256, flags=0, callNumber=2, publisher=3,
                  library=1)]
    return collection(
        books, sort_index=[3, 1, 2], spare=-1,
        authors=[bytes([b]) for b in range(256)],
        callNumbers=[b"", b"\x7f"], publishers=[b"a", b"b", b"\xa0"], libraries=[every],
        categories=[b"c%d" % i for i in range(255)])


def full_lists():
    rng = Rng(255)
    books = []
    for i in range(500):
        books.append(book(b"Book %d" % i, b"" if i % 3 else b"note %d" % i,
                          flags=[WANT_TO_READ, HAVE_READ][i % 2] | SHOWN,
                          author=[1, 300, 65535 % 301][i % 3] if i % 7 else 0,
                          callNumber=rng.below(256), publisher=rng.below(256), library=rng.below(256),
                          category=255 if i % 5 == 0 else rng.below(256),
                          orderDate=pack_date(1 + rng.below(12), 1 + rng.below(28), 1980 + rng.below(128)),
                          pubYear=1800 + rng.below(225)))
    order = list(range(1, 501))
    rng.shuffle(order)
    return collection(books, sort_index=order,
                      authors=[b"Author %d" % i for i in range(1, 301)],
                      callNumbers=[b"C%d" % i for i in range(255)], publishers=[b"P%d" % i for i in range(255)],
                      libraries=[b"L%d" % i for i in range(255)], categories=[b"K%d" % i for i in range(255)])


def leftover_bytes():
    # Saved over a longer file: the tail of the older save is still there.
    older = book_file(full_lists())
    newer = book_file(two_books())
    return newer + older[len(newer):len(newer) + 400]


def good_files(sample):
    return {
        "austen_emma.lib": book_file(austen_emma()),
        "long_texts.lib": book_file(long_texts()),
        "books_without_lists.lib": book_file(books_without_lists()),
        "lists_without_books.lib": book_file(lists_without_books()),
        "two_books.lib": book_file(two_books()),
        "pub_years.lib": book_file(pub_years()),
        "all_byte_values.lib": book_file(all_byte_values()),
        "full_lists.lib": book_file(full_lists()),
        "leftover_bytes.lib": leftover_bytes(),
        "empty.lib": b"",
        "zero_counts.lib": with_counts([0] * 7),
        "sample_books.lib": book_file(sample),
    }


def bad_files():
    base = two_books()
    pieces = blocks(base)
    whole = book_file(base)
    bad = {}

    # Cut one byte short of the end of each block, and inside the first
    # string's length of each text block.
    offset = 0
    for name, piece in pieces:
        bad["truncated_in_%s.lib" % name] = whole[:offset + len(piece) - 1]
        if name in ("titles", "comments") + tuple(LIST_KEYS):
            bad["truncated_in_%s_length.lib" % name] = whole[:offset + 1]
        offset += len(piece)

    bad["wrong_header_version.lib"] = b"Tomecase Version 2" + whole[18:]
    bad["wrong_header_case.lib"] = b"tomecase version 1" + whole[18:]
    bad["text_file.lib"] = b"Austen, Jane\tEmma\r\nAusten, Jane\tPersuasion\r\n" * 4
    bad["one_byte.lib"] = b"T"

    names = ["books", "authors", "call_numbers", "publishers", "libraries", "spare", "categories"]
    for i, name in enumerate(names):
        if name == "spare":
            continue  # a negative spare count is allowed: nothing is read for it
        counts = [1, 1, 1, 1, 1, 0, 1]
        counts[i] = -1
        bad["negative_%s_count.lib" % name] = with_counts(counts, whole[46:])

    bad["huge_book_count.lib"] = with_counts([0x7FFFFFFF, 1, 1, 1, 1, 0, 1], whole[46:])
    bad["huge_author_count.lib"] = with_counts([2, 0x7FFFFFFF, 1, 1, 1, 0, 1], whole[46:])
    bad["huge_counts_all.lib"] = with_counts([0x7FFFFFFF] * 7, whole[46:])
    # Sizes that wrap round to a few bytes when computed in 32 bits.
    bad["book_count_wraps_32_bits.lib"] = with_counts([0x0CCCCCCD, 0, 0, 0, 0, 0, 0], b"\x00" * 64)
    bad["list_counts_wrap_32_bits.lib"] = with_counts([0] + [0x66666667] * 4 + [0, 0x66666667], b"\x00" * 64)

    only_author = collection([book(b"Emma", author=1)], authors=[b"Austen"])
    emma = book_file(only_author)
    end = len(emma) - len(text(b"Austen"))
    bad["string_past_end.lib"] = emma[:end] + struct.pack("<H", 1000) + b"Austen"
    bad["long_string_past_end.lib"] = emma[:end] + b"\xff\xff" + struct.pack("<I", 0xFFFFFFFF) + b"Austen"
    bad["long_length_cut.lib"] = emma[:end] + b"\xff\xff\x06\x00"

    def with_sort(order):
        c = two_books()
        c["sort"] = order
        return book_file(c)

    bad["sort_index_repeats.lib"] = with_sort([1, 1])
    bad["sort_index_zero.lib"] = with_sort([0, 1])
    bad["sort_index_beyond_books.lib"] = with_sort([2, 3])
    bad["sort_index_negative.lib"] = with_sort([-1, 2])

    for key in ["author", "callNumber", "publisher", "library", "category"]:
        c = two_books()
        c["books"][1]["record"][key] = 2
        bad["%s_beyond_list.lib" % key] = book_file(c)
    # One entry more than a record's 8-bit field can number, the whole list
    # present; the authors' 16-bit field only by its count, which is refused
    # before the missing entries matter.
    for key, name in [("callNumbers", "call_numbers"), ("publishers", "publishers"),
                      ("libraries", "libraries"), ("categories", "categories")]:
        c = two_books()
        c[key] = [b"E%d" % i for i in range(1, 257)]
        bad["%s_past_255.lib" % name] = book_file(c)
    bad["authors_past_65535.lib"] = with_counts([0, 65536, 0, 0, 0, 0, 0], b"\x00\x00" * 64)
    bad["sixteen_million_authors.lib"] = with_counts([0, 16 * 1024 * 1024, 0, 0, 0, 0, 0], b"\x00\x00" * 64)

    c = two_books()
    c["authors"] = []
    for b in c["books"]:
        b["record"]["author"] = 0
    c["books"][0]["record"]["author"] = 1
    bad["author_with_empty_list.lib"] = book_file(c)
    return bad


CALL_NUMBERS = "Fic Mys SF YA PB New W ROM ADV LT NonFic".split()
PUBLISHERS = ["Penguin Classics", "Vintage", "Scribner", "HarperCollins", "Bantam", "Del Rey",
              "Ace Books", "Oxford World's Classics", "Bloomsbury", "Random House", "Simon & Schuster"]
LIBRARIES = ["Main Library", "Riverside Branch", "Hillcrest Branch", "Interlibrary Loan"]
CATEGORIES = ["Classics", "British Mysteries", "Detective/PI", "Suspense", "Adventure", "Espionage",
              "Romance", "Historical Fiction", "Science Fiction", "Fantasy", "Horror", "Naval", "War",
              "Family Sagas", "Humor", "Contemporary", "American History", "Science", "Westerns",
              "Young Adult"]

# author, title, published, call number, publisher, library, category,
# (month, day, year) ordered or None, have read, comments
SAMPLE = [
    ("Austen, Jane", "Pride and Prejudice", 1813, "Fic", "Penguin Classics", "Main Library", "Romance", (3, 14, 2021), True, "Book club pick"),
    ("Austen, Jane", "Emma", 1815, "Fic", "Penguin Classics", "Main Library", "Romance", (5, 2, 2022), False, ""),
    ("Brontë, Charlotte", "Jane Eyre", 1847, "ROM", "Oxford World's Classics", "Riverside Branch", "Romance", (1, 9, 2020), True, ""),
    ("Brontë, Emily", "Wuthering Heights", 1847, "ROM", "Penguin Classics", "Riverside Branch", "Romance", (1, 9, 2020), True, ""),
    ("Dickens, Charles", "Great Expectations", 1861, "Fic", "Penguin Classics", "Main Library", "Classics", (9, 21, 2019), True, ""),
    ("Dickens, Charles", "A Tale of Two Cities", 1859, "LT", "Vintage", "Hillcrest Branch", "Historical Fiction", (10, 4, 2023), False, "Large print edition"),
    ("Eliot, George", "Middlemarch", 1871, "Fic", "Oxford World's Classics", "Main Library", "Classics", (2, 17, 2024), False, ""),
    ("Hardy, Thomas", "Tess of the d'Urbervilles", 1891, "Fic", "Penguin Classics", "Main Library", "Classics", None, True, ""),
    ("Tolstoy, Leo", "War and Peace", 1869, "Fic", "Vintage", "Interlibrary Loan", "War", (11, 30, 2021), True, "Maude translation"),
    ("Tolstoy, Leo", "Anna Karenina", 1878, "Fic", "Penguin Classics", "Main Library", "Classics", (6, 12, 2023), False, ""),
    ("Dostoevsky, Fyodor", "Crime and Punishment", 1866, "Fic", "Vintage", "Main Library", "Classics", (4, 1, 2022), True, ""),
    ("Melville, Herman", "Moby-Dick", 1851, "ADV", "Penguin Classics", "Riverside Branch", "Naval", None, False, ""),
    ("Twain, Mark", "Adventures of Huckleberry Finn", 1884, "ADV", "Bantam", "Main Library", "Adventure", (7, 4, 2020), True, ""),
    ("Fitzgerald, F. Scott", "The Great Gatsby", 1925, "Fic", "Scribner", "Main Library", "Classics", (8, 19, 2019), True, ""),
    ("Hemingway, Ernest", "The Old Man and the Sea", 1952, "Fic", "Scribner", "Hillcrest Branch", "Classics", (8, 19, 2019), True, ""),
    ("Steinbeck, John", "The Grapes of Wrath", 1939, "Fic", "Penguin Classics", "Main Library", "Family Sagas", (12, 1, 2022), False, ""),
    ("Steinbeck, John", "Of Mice and Men", 1937, "PB", "Penguin Classics", "Hillcrest Branch", "Classics", (12, 1, 2022), True, ""),
    ("Orwell, George", "Nineteen Eighty-Four", 1949, "SF", "Penguin Classics", "Main Library", "Science Fiction", (3, 3, 2020), True, ""),
    ("Orwell, George", "Animal Farm", 1945, "PB", "Penguin Classics", "Main Library", "Classics", (3, 3, 2020), True, ""),
    ("Huxley, Aldous", "Brave New World", 1932, "SF", "HarperCollins", "Riverside Branch", "Science Fiction", (5, 15, 2021), False, ""),
    ("Bradbury, Ray", "Fahrenheit 451", 1953, "SF", "Del Rey", "Main Library", "Science Fiction", (5, 15, 2021), True, ""),
    ("Asimov, Isaac", "Foundation", 1951, "SF", "Bantam", "Main Library", "Science Fiction", (2, 28, 2023), False, "Recommended by Sam"),
    ("Herbert, Frank", "Dune", 1965, "SF", "Ace Books", "Main Library", "Science Fiction", (2, 28, 2023), True, ""),
    ("Le Guin, Ursula K.", "The Left Hand of Darkness", 1969, "SF", "Ace Books", "Riverside Branch", "Science Fiction", (6, 7, 2024), False, ""),
    ("Tolkien, J.R.R.", "The Hobbit", 1937, "Fic", "HarperCollins", "Main Library", "Fantasy", (12, 20, 2019), True, ""),
    ("Tolkien, J.R.R.", "The Fellowship of the Ring", 1954, "Fic", "HarperCollins", "Main Library", "Fantasy", (1, 15, 2020), True, ""),
    ("Lewis, C.S.", "The Lion, the Witch and the Wardrobe", 1950, "YA", "HarperCollins", "Hillcrest Branch", "Fantasy", None, True, ""),
    ("Christie, Agatha", "Murder on the Orient Express", 1934, "Mys", "HarperCollins", "Main Library", "British Mysteries", (10, 31, 2021), True, ""),
    ("Christie, Agatha", "And Then There Were None", 1939, "Mys", "HarperCollins", "Main Library", "British Mysteries", (10, 31, 2021), False, ""),
    ("Doyle, Arthur Conan", "The Hound of the Baskervilles", 1902, "Mys", "Penguin Classics", "Riverside Branch", "British Mysteries", (4, 22, 2020), True, ""),
    ("Chandler, Raymond", "The Big Sleep", 1939, "Mys", "Vintage", "Main Library", "Detective/PI", (9, 9, 2022), True, ""),
    ("Hammett, Dashiell", "The Maltese Falcon", 1930, "Mys", "Vintage", "Main Library", "Detective/PI", (9, 9, 2022), False, ""),
    ("Sayers, Dorothy L.", "Gaudy Night", 1935, "Mys", "HarperCollins", "Interlibrary Loan", "British Mysteries", (1, 18, 2024), False, "Ask at the desk"),
    ("Collins, Wilkie", "The Moonstone", 1868, "Mys", "Oxford World's Classics", "Main Library", "British Mysteries", None, False, ""),
    ("Lee, Harper", "To Kill a Mockingbird", 1960, "Fic", "HarperCollins", "Main Library", "Classics", (7, 11, 2020), True, ""),
    ("Salinger, J.D.", "The Catcher in the Rye", 1951, "PB", "Bantam", "Hillcrest Branch", "Classics", (7, 11, 2020), True, ""),
    ("García Márquez, Gabriel", "One Hundred Years of Solitude", 1967, "Fic", "HarperCollins", "Main Library", "Family Sagas", (3, 8, 2023), False, ""),
    ("Hugo, Victor", "Les Misérables", 1862, "LT", "Penguin Classics", "Interlibrary Loan", "Historical Fiction", (11, 5, 2024), False, "Unabridged"),
    ("Dumas, Alexandre", "The Count of Monte Cristo", 1844, "ADV", "Penguin Classics", "Main Library", "Adventure", (6, 30, 2021), True, ""),
    ("Stevenson, Robert Louis", "Treasure Island", 1883, "ADV", "Bantam", "Riverside Branch", "Adventure", (6, 30, 2021), True, ""),
    ("Verne, Jules", "Twenty Thousand Leagues Under the Seas", 1870, "ADV", "Oxford World's Classics", "Main Library", "Adventure", (8, 2, 2022), False, ""),
    ("Shelley, Mary", "Frankenstein", 1818, "Fic", "Penguin Classics", "Main Library", "Horror", (10, 13, 2023), True, ""),
    ("Stoker, Bram", "Dracula", 1897, "Fic", "Penguin Classics", "Main Library", "Horror", (10, 13, 2023), False, ""),
    ("Wilde, Oscar", "The Picture of Dorian Gray", 1890, "Fic", "Penguin Classics", "Hillcrest Branch", "Classics", None, True, ""),
    ("Woolf, Virginia", "Mrs Dalloway", 1925, "Fic", "Vintage", "Main Library", "Classics", (5, 20, 2024), False, ""),
    ("Morrison, Toni", "Beloved", 1987, "Fic", "Vintage", "Main Library", "Contemporary", (2, 14, 2022), True, ""),
    ("Atwood, Margaret", "The Handmaid's Tale", 1985, "SF", "Vintage", "Riverside Branch", "Science Fiction", (2, 14, 2022), True, ""),
    ("Ishiguro, Kazuo", "The Remains of the Day", 1989, "Fic", "Vintage", "Main Library", "Contemporary", (4, 9, 2023), False, ""),
    ("McCarthy, Cormac", "The Road", 2006, "New", "Vintage", "Main Library", "Contemporary", (1, 3, 2025), False, ""),
    ("Mitchell, Margaret", "Gone with the Wind", 1936, "ROM", "Scribner", "Hillcrest Branch", "Historical Fiction", None, True, ""),
    ("du Maurier, Daphne", "Rebecca", 1938, "Fic", "HarperCollins", "Main Library", "Suspense", (10, 1, 2021), True, ""),
    ("O'Brian, Patrick", "Master and Commander", 1969, "ADV", "HarperCollins", "Main Library", "Naval", (3, 27, 2024), False, "First of the Aubrey-Maturin series"),
    ("London, Jack", "The Call of the Wild", 1903, "YA", "Bantam", "Riverside Branch", "Adventure", (6, 1, 2020), True, ""),
    ("Adams, Douglas", "The Hitchhiker's Guide to the Galaxy", 1979, "SF", "Del Rey", "Main Library", "Humor", (4, 1, 2021), True, ""),
    ("Pratchett, Terry", "Guards! Guards!", 1989, "PB", "HarperCollins", "Main Library", "Humor", (4, 1, 2021), False, ""),
    ("Rowling, J.K.", "Harry Potter and the Philosopher's Stone", 1997, "YA", "Bloomsbury", "Hillcrest Branch", "Young Adult", (12, 24, 2019), True, ""),
    ("Le Carré, John", "The Spy Who Came in from the Cold", 1963, "Fic", "Penguin Classics", "Main Library", "Espionage", (9, 14, 2023), False, ""),
    ("Grey, Zane", "Riders of the Purple Sage", 1912, "W", "Bantam", "Riverside Branch", "Westerns", None, False, ""),
    ("Sagan, Carl", "Cosmos", 1980, "NonFic", "Random House", "Main Library", "Science", (8, 8, 2024), False, ""),
    ("McCullough, David", "1776", 2005, "NonFic", "Simon & Schuster", "Main Library", "American History", (7, 4, 2021), True, ""),
]

def _lower(b):
    """Windows-1252 lower case, as the program folds it."""
    if 0x41 <= b <= 0x5A or (0xC0 <= b <= 0xDE and b != 0xD7):
        return b + 32
    return {0x8A: 0x9A, 0x8C: 0x9C, 0x8E: 0x9E, 0x9F: 0xFF}.get(b, b)


LOWER = bytes(_lower(b) for b in range(256))


def sort_key(author, title):
    for article in (b"The ", b"A ", b"An "):
        while title.startswith(article):
            title = title[len(article):]
    return (author + b" " + title.strip(b" ")).translate(LOWER)


def sample_collection():
    lists = {k: [] for k in LIST_KEYS}

    def number(key, value):
        if value is None:
            return 0
        entries = lists[key]
        if value not in entries:
            entries.append(value)
        return entries.index(value) + 1

    lists["callNumbers"] = [s.encode("cp1252") for s in CALL_NUMBERS]
    lists["publishers"] = [s.encode("cp1252") for s in PUBLISHERS]
    lists["libraries"] = [s.encode("cp1252") for s in LIBRARIES]
    lists["categories"] = [s.encode("cp1252") for s in CATEGORIES]
    books = []
    for author, title, year, call, publisher, library, category, ordered, read, comments in SAMPLE:
        enc = lambda s: s.encode("cp1252")
        books.append(book(
            enc(title), enc(comments),
            flags=(HAVE_READ if read else WANT_TO_READ) | SHOWN,
            author=number("authors", enc(author)), callNumber=number("callNumbers", enc(call)),
            publisher=number("publishers", enc(publisher)), library=number("libraries", enc(library)),
            category=number("categories", enc(category)),
            orderDate=pack_date(*ordered) if ordered else 0, pubYear=year))
    keys = [sort_key(lists["authors"][b["record"]["author"] - 1], b["title"]) for b in books]
    order = sorted(range(1, len(books) + 1), key=lambda k: keys[k - 1])
    return collection(books, sort_index=order, **lists)


def dump_json(c):
    """The collection in the layout `tomebook dump` prints."""
    s = lambda b: json.dumps(b.decode("cp1252"), ensure_ascii=False)
    out = ['{\n  "spareCount": %d,\n  "sortIndex": [%s],\n  "books": [' %
           (c["spare"], ", ".join(str(k) for k in c["sort"]))]
    rows = []
    for b in c["books"]:
        fields = ", ".join('"%s": %d' % (k, b["record"][k]) for k in RECORD_KEYS)
        rows.append('{%s, "title": %s, "comments": %s}' % (fields, s(b["title"]), s(b["comments"])))
    out.append(("\n    " + ",\n    ".join(rows) + "\n  ]") if rows else "]")
    for k in LIST_KEYS:
        out.append(',\n  "%s": [' % k)
        out.append(("\n    " + ",\n    ".join(s(t) for t in c[k]) + "\n  ]") if c[k] else "]")
    out.append("\n}\n")
    return "".join(out).encode("utf-8")


def all_files():
    sample = sample_collection()
    files = {"sample-books.json": dump_json(sample)}
    files.update({"good/" + k: v for k, v in good_files(sample).items()})
    files.update({"bad/" + k: v for k, v in bad_files().items()})
    return files


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        print(__doc__)
        return 2
    files = all_files()
    stale = []
    for name, data in sorted(files.items()):
        path = HERE / name
        if check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(name)
        else:
            path.parent.mkdir(exist_ok=True)
            path.write_bytes(data)
    for folder in ("good", "bad"):
        for path in sorted((HERE / folder).glob("*.lib")):
            if "%s/%s" % (folder, path.name) not in files:
                stale.append("%s/%s (not made by this script)" % (folder, path.name))
    if stale:
        print("out of date: " + ", ".join(stale))
        return 1
    if not check:
        print("wrote %d files under %s" % (len(files), HERE))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
