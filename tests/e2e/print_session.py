#!/usr/bin/env python3
"""A user's printing session with the real Tomecase.exe under Wine.

The test printer (Wine's PostScript driver writing to a file, see
tests/print/test-printer.sh) is installed in the session's prefix and made
the default. Over the sample books the session prints the list of each of
the four tabs (the "Print" button and File "&Print") and one book (context
menu "Print Book"), confirming each "Print" dialog with Enter as a user
would. Each job's pages are read back with ghostscript (txtwrite) and
compared with the report the sample books give; the pages are also rendered
as PNG pictures beside the screenshots in --out.
"""
import json
import os
import re
import subprocess
import sys
import time

from e2e_session import HERE, Failure, Session, SessionRun, check, session_args

BOOK_NAME = "e2e printing.lib"
TEST_PRINTER = os.path.join(HERE, "..", "print", "test-printer.sh")
PRINT_BUTTON, FIND = 1004, 1006
TITLES = {1: "All books", 2: "Books to read", 3: "Current books read", 4: "Custom list"}


def format_order_date(packed):
    """The packed order date: day in bits 0-4, month in 5-8, year - 1980 above."""
    return "%02d-%02d-%04d" % ((packed >> 5) & 15, packed & 31, (packed >> 9) + 1980) if packed else ""


class Sample:
    def __init__(self, path):
        data = json.load(open(path, encoding="utf-8"))
        self.data = data
        self.order = [data["books"][n - 1] for n in data["sortIndex"]]

    def entry(self, kind, number):
        return self.data[kind][number - 1] if number else ""

    def author(self, book):
        name = self.entry("authors", book["author"])
        return "" if name.strip() == "," else name


def squeeze(line):
    """txtwrite places texts with runs of blanks; one blank is enough here."""
    return re.sub(r"\s+", " ", line).strip()


def read_pages(ps):
    run = subprocess.run(["bash", TEST_PRINTER, "pages", ps], capture_output=True, text=True)
    if run.returncode != 0:
        raise Failure("the pages of %s could not be read: %s" % (ps, run.stderr.strip()))
    stem = ps[:-3]
    pages = []
    for n in range(1, int(run.stdout.split()[-1]) + 1):
        with open("%s-page%d.txt" % (stem, n), encoding="utf-8", errors="replace") as f:
            pages.append([squeeze(line) for line in f if line.strip()])
        print("printed page:", "%s-page%d.png" % (stem, n))
    return pages


def holds_in_order(line, pieces):
    at = 0
    for piece in pieces:
        found = line.find(piece, at)
        if found < 0:
            return False
        at = found + len(piece)
    return True


def check_list(pages, tab, books, sample):
    """One page: title, one line per shown book, the page number. The entry
    ("author - title") is cut to its column's width, so only its start must
    match; on the books-to-read list the details follow on its line."""
    check(len(pages) == 1, "the %s list prints on one page" % TITLES[tab])
    lines = pages[0]
    check(lines[0] == TITLES[tab] and lines[-1] == "1", "the page has the title %s and number 1" % TITLES[tab])
    body = lines[1:-1]
    check(len(body) == len(books), "one line for each of the %d books" % len(books))
    for line, book in zip(body, books):
        entry = squeeze(sample.author(book) + " - " + book["title"])
        if not line.startswith(entry[:24]):
            raise Failure('printed "%s" where "%s" was due' % (line, entry))
        if tab == 2:
            details = [sample.entry("callNumbers", book["callNumber"]), str(book["pubYear"] or ""),
                       format_order_date(book["orderDate"]), sample.entry("libraries", book["library"])[:10]]
            if not holds_in_order(line, [d for d in details if d]):
                raise Failure('"%s" lacks the details %s' % (line, details))
    print("ok: every line of the %s list matches its book" % TITLES[tab])


class PrintSession(Session):
    def __init__(self, args):
        super().__init__(args, BOOK_NAME)
        self.port = None

    def install_printer(self):
        run = subprocess.run(["bash", TEST_PRINTER, "install", self.args.state, self.args.win_tests], env=self.env,
                             capture_output=True, text=True)
        if run.returncode != 0:
            raise Failure(run.stderr.strip())
        self.port = run.stdout.strip()
        print("ok: the test printer is the default, writing to", self.port)

    def clear_port(self):
        if os.path.exists(self.port):
            os.remove(self.port)

    def confirm_print_dialog(self, name):
        self.wait_dialog("Print")
        self.screenshot(name + "-dialog")
        self.keys("Return")
        self.wait_dialog(None)

    def take_printout(self, name):
        for _ in range(300):
            if os.path.exists(self.port) and b"%%EOF" in open(self.port, "rb").read():
                break
            time.sleep(0.1)
        else:
            raise Failure("nothing came out of the printer for " + name)
        ps = os.path.join(self.args.out, name + ".ps")
        os.replace(self.port, ps)
        return read_pages(ps)


def main():
    args = session_args("win_tests")
    sample = Sample(args.json)
    books_of = {
        1: sample.order,
        2: [b for b in sample.order if b["flags"] & 2],
        3: [b for b in sample.order if b["flags"] & 4],
    }

    s = PrintSession(args)
    s.set_up_book(args.books)
    with SessionRun(s) as run:
        s.install_printer()
        s.start()
        s.probe()
        check(s.one("rows") == "60", "the sample books are open")

        for tab in (1, 2, 3):
            s.click(s.centre("tabcentre", tab))
            s.probe()
            check(s.one("page") == str(tab), "tab %d shows" % tab)
            s.clear_port()
            if tab == 3:
                s.keys("alt+f", "p")  # File "&Print"
            else:
                s.click(s.centre("control", PRINT_BUTTON))
            s.confirm_print_dialog("list-%d" % tab)
            check_list(s.take_printout("list-%d" % tab), tab, books_of[tab], sample)

        # The custom list: the first author of the drop-down, all their books.
        s.click(s.centre("tabcentre", 4))
        s.probe()
        chosen = s.state["item"][0][1]
        s.click(s.centre("control", 3003))
        s.probe()
        top, x, y, height = (int(v) for v in s.state["dropped"][0])
        s.click((x, y - top * height))  # the first item of the open list
        s.probe()
        check(s.one("choice") == chosen, "the custom list is by " + chosen)
        s.clear_port()
        s.click(s.centre("control", PRINT_BUTTON))
        s.confirm_print_dialog("list-4")
        check_list(s.take_printout("list-4"), 4, [b for b in sample.order if sample.author(b) == chosen], sample)

        # One book, through the context menu of its row on tab 1.
        book = max((b for b in sample.order if b["flags"] & 2), key=lambda b: len(b["comments"]))
        s.click(s.centre("tabcentre", 1))
        s.click(s.centre("control", FIND))
        s.type_text(book["title"])
        s.keys("Return")  # to the list
        s.probe()
        s.click(s.state["selectedcentre"][0], button="3")
        s.keys("Down", "Down", "Down", "Down", "Return")  # "Print Book", below the separator
        s.clear_port()
        s.confirm_print_dialog("book")
        pages = s.take_printout("book")
        check(len(pages) == 1, "the book prints on one page")
        page = pages[0]
        heading = "Book source - Want to read" if book["flags"] & 2 else "Book source - Have read"
        rows = [("Author:", sample.author(book)), ("Title:", book["title"]),
                ("Call Number:", sample.entry("callNumbers", book["callNumber"])),
                ("Publisher:", sample.entry("publishers", book["publisher"])),
                ("Order date:", format_order_date(book["orderDate"])),
                ("Publish date:", str(book["pubYear"] or "")),
                ("Library:", sample.entry("libraries", book["library"])),
                ("Category:", sample.entry("categories", book["category"]))]
        expected = [heading] + [squeeze(label + " " + value) for label, value in rows]
        check(page[:9] == expected, "the book's page shows its heading and eight rows: %s" % page[:9])
        # Wrapped lines end at a break character; blanks do not count.
        bare = lambda text: re.sub(r"\s", "", text)
        check(page[9].startswith("Source/comments:") and
              bare("".join([page[9][len("Source/comments:"):]] + page[10:])) == bare(book["comments"]),
              "and its comments")

        s.keys("alt+F4")
        check(s.wait_end() == 0, "Tomecase ends with 0; printing changed nothing that needs saving")
    return run.status


if __name__ == "__main__":
    sys.exit(main())
