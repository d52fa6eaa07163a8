#!/usr/bin/env python3
"""Books brought in from CSV files, seen in the real Tomecase.exe under Wine.

tomebook.exe imports a reading site's export, a tab-separated catalogue and
a Windows-1252 spreadsheet (tests/data/csv) into a copy of the sample books
in the program's data folder; Tomecase then opens that file at start-up and
shows every book in author/title order, the imported ones among them, which
Find reaches; a second import of the same file adds nothing. Screenshots go
to --out and their paths are printed.
"""
import os
import subprocess
import sys

from e2e_session import WINE_RUN, Failure, Session, SessionRun, cells, check, same_titles, session_args

BOOK_NAME = "e2e imported books.lib"
IMPORTS = [("reading-site.csv", 4), ("catalogue.tsv", 3), ("spreadsheet-1252.csv", 3)]


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def tomebook(s, *words):
    run = subprocess.run([WINE_RUN, "--xvfb", s.args.state, s.args.tomebook, *words], env=s.env,
                         capture_output=True)
    out = run.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
    if run.returncode != 0:
        raise Failure("tomebook %s: exit %d\n%s%s" % (" ".join(words), run.returncode, out,
                                                     run.stderr.decode("utf-8", "replace")))
    return out


def main():
    args = session_args("csv")
    s = Session(args, BOOK_NAME)
    s.set_up_book(args.books)

    with SessionRun(s) as run:
        for name, count in IMPORTS:
            out = tomebook(s, "import", s.book_windows, windows_path(os.path.join(args.csv, name)))
            check("added: %d\n" % count in out and "skipped as bad: 0" in out, "tomebook.exe imports " + name)
        out = tomebook(s, "import", s.book_windows, windows_path(os.path.join(args.csv, "reading-site.csv")))
        check("added: 0\nskipped as duplicates: 4" in out, "a second import of the same file adds nothing")

        saved = s.dump()
        total = 60 + sum(count for _, count in IMPORTS)
        check(len(saved["books"]) == total, "the book file holds %d books" % total)
        order = [saved["books"][n - 1] for n in saved["sortIndex"]]

        s.start()
        s.probe()
        check(s.status(1) == "Filename:" + BOOK_NAME, "Tomecase opens the imported file at start-up")
        check(s.status(3) == " 1 : %d" % total, "the status bar counts %d books" % total)
        check(same_titles(s.titles(), [b["title"] for b in order]), "tab 1 lists every book in the file's order")
        s.screenshot("all-books")

        s.click(s.centre("control", 1006))
        s.type_text("neuromancer")
        s.probe()
        selected = cells(s.rows()[int(s.one("selected")) - 1])
        # (cells are cut to their column's width)
        check(selected[0] and "Gibson, William".startswith(selected[0]) and selected[1] == "Neuromancer" and
              selected[2] == "" and selected[3] == "2000" and "12-24-2019".startswith(selected[4].strip()),
              "Find reaches an imported book, its row as imported")
        s.screenshot("found-imported-book")
        s.keys("Return")

        s.click(s.centre("tabcentre", 3))
        s.probe()
        read = [b["title"] for b in order if b["flags"] & 4]
        check(same_titles(s.titles(), read), "tab 3 lists the books read, imported ones included")
        check(any(t.startswith("Neuromancer") for t in s.titles()), "the book shelved as read is on tab 3")
        s.screenshot("have-read")

        s.keys("alt+F4")
        check(s.wait_end() == 0, "Tomecase ends without a question: nothing was changed in it")
    return run.status


if __name__ == "__main__":
    sys.exit(main())
