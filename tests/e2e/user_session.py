#!/usr/bin/env python3
"""A user's session with the real Tomecase.exe under Wine, by real key presses
and mouse clicks (xdotool) on an X display of its own.

Starts Tomecase with the sample books named by the settings file, switches
tabs, builds a custom list, types in Find, sorts by a heading, deletes a book
through the context menu, saves, quits with the "&Quit" button, starts again
and sees the saved file reopened. What the window shows is read by
tomecase_probe.exe, the saved file by tomebook.exe; screenshots of every step
go to --out and their paths are printed.
"""
import json
import os
import sys

from e2e_session import Session, SessionRun, cells, check, fold, same_titles, session_args

BOOK_NAME = "e2e sample books.lib"


def main():
    args = session_args()

    sample = json.load(open(args.json, encoding="utf-8"))
    books = sample["books"]
    order = [books[n - 1] for n in sample["sortIndex"]]
    author = lambda b: sample["authors"][b["author"] - 1]
    title_list = lambda wanted: [b["title"] for b in order if wanted(b)]

    s = Session(args, BOOK_NAME)
    s.set_up_book(args.books)

    with SessionRun(s) as run:
        s.start()
        s.probe()
        check(s.status(1) == "Filename:" + BOOK_NAME, "start-up opened the book file named by the settings")
        check(s.one("tab") == "1" and s.one("page") == "1", "tab 1 is shown")
        check(same_titles(s.titles(), title_list(lambda b: True)), "tab 1 lists all 60 books in their order")
        check(s.status(3) == " 1 : 60", "the status bar counts row 1 of 60")
        s.screenshot("all-books")

        # Tabs, clicked with the mouse.
        s.click(s.centre("tabcentre", 2))
        s.probe()
        check(s.one("page") == "2", "a click on the second tab shows its page")
        check(same_titles(s.titles(), title_list(lambda b: b["flags"] & 2)), "tab 2 lists the books to read")
        s.screenshot("want-to-read")
        s.click(s.centre("tabcentre", 3))
        s.probe()
        check(same_titles(s.titles(), title_list(lambda b: b["flags"] & 4)), "tab 3 lists the books read")
        s.screenshot("have-read")

        # The custom list: an author from the drop-down, then "Have read".
        s.click(s.centre("tabcentre", 4))
        s.probe()
        check(s.one("page") == "4" and s.rows() == [], "tab 4 shows no list before one is chosen")
        check(s.one("choices") == str(len(sample["authors"])), "its drop-down holds every author")
        # An author with books both to read and read, clicked in the open list.
        states = {}
        for b in books:
            states.setdefault(author(b), set()).add(b["flags"] & 6)
        items = [fields[1] for fields in s.state["item"]]
        chosen = next(a for a in items if states.get(a) == {2, 4})
        s.click(s.centre("control", 3003))
        s.probe()
        top, x, y, height = (int(v) for v in s.state["dropped"][0])
        s.click((x, y + (items.index(chosen) - top) * height))
        s.probe()
        check(s.one("choice") == chosen, "a click in the open drop-down chose " + chosen)
        check(same_titles(s.titles(), title_list(lambda b: author(b) == chosen)),
              "the custom list shows that author's books")
        s.click(s.centre("control", 2032))
        s.probe()
        check(same_titles(s.titles(), title_list(lambda b: author(b) == chosen and b["flags"] & 6 == 4)),
              "with Have read, only the books read")
        s.screenshot("custom-list")

        # Find on tab 1: typing mode, a hit, Enter to the list.
        s.click(s.centre("tabcentre", 1))
        s.click(s.centre("control", 1006))
        s.probe()
        check(s.one("find") == "", "the Find box empties when it gets the focus")
        s.type_text("dickens")
        s.probe()
        dickens = title_list(lambda b: author(b).startswith("Dickens"))[0]
        selected = s.rows()[int(s.one("selected")) - 1]
        check(cells(selected)[0].startswith("Dickens") and dickens.startswith(cells(selected)[1]),
              "typing dickens selects the first of his books, " + dickens)
        s.screenshot("find")
        s.keys("Return")
        s.probe()
        check(s.one("focus") == "2040", "Enter in the Find box moves to the list")
        check(s.one("find") == "Author/Title", "the Find box shows its cue again")

        # Sort by the Title heading.
        before = sorted(s.rows())
        s.click(s.centre("heading", 2))
        s.probe()
        shown = s.titles()
        check(sorted(s.rows()) == before, "sorting keeps the same rows")
        check(all(fold(a) <= fold(b) for a, b in zip(shown, shown[1:])), "the rows are in title order")
        selected = s.rows()[int(s.one("selected")) - 1]
        check(dickens.startswith(cells(selected)[1]), "the selected book stays selected")
        s.screenshot("sorted-by-title")

        # Delete it through the context menu of its row.
        s.click(s.state["selectedcentre"][0], button="3")
        s.keys("Down", "Down", "Down", "Return")
        s.wait_box("Book Removal")
        s.screenshot("book-removal")
        s.keys("Return")
        s.probe()
        check(len(s.rows()) == 59 and selected not in s.rows(), "the deleted book is gone from the list")
        check(s.status(3).endswith(": 59"), "the status bar counts 59 rows")

        # Save with the File menu, answering its question.
        s.keys("alt+f", "s")
        s.wait_box("Save File")
        s.screenshot("save-question")
        s.keys("Return")
        s.probe()
        check(len(s.rows()) == 59, "after saving the list still holds 59 books")
        saved = s.dump()
        s.keep_saved()
        check(len(saved["books"]) == 59, "the saved file holds 59 books")
        check(dickens not in [b["title"] for b in saved["books"]], "the deleted book is not in the file")

        # Quit with the button; nothing is left unsaved, so no question.
        s.click(s.centre("control", 1005))
        check(s.wait_end() == 0, "the Quit button ended Tomecase with 0")
        with open(s.settings_path(), "rb") as f:
            check(f.read() == s.book_windows.encode("cp1252") + b"\r\n", "the settings name the saved file")

        # Start again: the saved file comes back.
        s.start()
        s.probe()
        check(s.status(1) == "Filename:" + BOOK_NAME, "the saved file is reopened at the next start")
        check(len(s.rows()) == 59 and s.status(3) == " 1 : 59", "with its 59 books")
        s.screenshot("reopened")
        s.keys("alt+F4")
        check(s.wait_end() == 0, "Alt+F4 ended Tomecase with 0")
    return run.status


if __name__ == "__main__":
    sys.exit(main())
