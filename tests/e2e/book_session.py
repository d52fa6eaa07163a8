#!/usr/bin/env python3
"""A user's session with the book dialog and list maintenance of the real
Tomecase.exe under Wine, by real key presses and mouse clicks.

Over the sample books: adds a book by typing into the "Add Book to List"
dialog (auto-completion fills in known entries), edits it (moving it to
"Have read" puts its order date aside), renames a publisher in "Drop Down
List Maintenance - Publishers" and views every book of that publisher to see
the new name, saves, and reads the saved file back with tomebook.
"""
import json
import sys

from e2e_session import Session, SessionRun, cells, check, session_args

BOOK_NAME = "e2e book dialog.lib"
# Controls of the book dialog and of list maintenance.
AUTHOR, TITLE, CALL_NO, ORDER_DATE, PUB_YEAR, PUBLISHER, LIBRARY, CATEGORY = range(2021, 2029)
WANT_TO_READ, HAVE_READ, COMMENTS, SAVE = 2031, 2032, 2033, 1
CHANGE, NEW_TEXT, ENTRIES, OK = 4002, 4004, 4005, 1
# Buttons and the Find box of the main window.
ADD, EDIT, VIEW, FIND = 1001, 1002, 1003, 1006

OLD_PUBLISHER, NEW_PUBLISHER = "Oxford World's Classics", "Oxford Classics"


def select_all_and_type(s, control_id, text):
    """Clicks into a box, selects what it holds and types over it."""
    s.click_control(control_id)
    s.keys("End", "shift+Home")
    s.type_text(text)


def row_shows(row, expected):
    """Cells are cut to their column's width: each begins its expected text."""
    return all((e == "" and c.strip() == "") or (c.strip() and e.startswith(c.strip())) for c, e in zip(row, expected))


def dialog_texts(s):
    return {box: s.control(box)["text"] for box in range(AUTHOR, CATEGORY + 1)}


def view_book(s, title):
    """Finds a book by its title and views it with the "View" button."""
    s.click(s.centre("control", FIND))
    s.type_text(title)
    s.probe()
    selected = s.rows()[int(s.one("selected")) - 1]
    check(title.startswith(cells(selected)[1]), "Find selects " + title)
    s.click(s.centre("control", VIEW))
    s.wait_dialog("View Book Data")
    shown = dialog_texts(s)
    check(not s.control(PUBLISHER)["enabled"], "the view of %s cannot be changed" % title)
    s.keys("Escape")
    s.wait_dialog(None)
    return shown


def main():
    args = session_args()
    sample = json.load(open(args.json, encoding="utf-8"))
    first = sample["books"][sample["sortIndex"][0] - 1]
    oxford = [b["title"] for b in sample["books"]
              if sample["publishers"][b["publisher"] - 1] == OLD_PUBLISHER]

    s = Session(args, BOOK_NAME)
    s.set_up_book(args.books)
    with SessionRun(s) as run:
        s.start()
        s.probe()
        check(s.one("rows") == "60", "the sample books are open")

        # Add: the dialog starts with the author of the selected book.
        s.click(s.centre("control", ADD))
        s.wait_dialog("Add Book to List")
        check(s.control(AUTHOR)["text"] == sample["authors"][first["author"] - 1],
              "the Author box starts with the selected book's author")
        select_all_and_type(s, AUTHOR, "hilary mantel")
        s.keys("Tab")
        s.type_text("wolf hall")
        s.keys("Tab")
        s.type_text("Fic")
        s.keys("Tab")
        s.type_text("3/14/26")
        s.keys("Tab")
        s.type_text("oxf")  # completed from the list
        s.keys("Tab")
        s.type_text("2009")
        s.keys("Tab")
        s.type_text("riv")
        s.keys("Tab")
        s.type_text("hist")
        s.click_control(COMMENTS)
        s.type_text("Booker Prize; from the new shelf")
        s.probe()
        check(s.control(PUBLISHER)["text"] == OLD_PUBLISHER, "typing oxf completes the publisher")
        check(s.control(LIBRARY)["text"] == "Riverside Branch", "typing riv completes the library")
        check(s.control(CATEGORY)["text"] == "Historical Fiction", "typing hist completes the category")
        check(s.control(WANT_TO_READ)["checked"], "Want to read is chosen from the start")
        s.screenshot("add-book")
        s.click_control(SAVE)
        s.wait_dialog(None)
        check(s.one("tab") == "1" and s.one("page") == "1", "after the save the All Books tab shows")
        check(s.one("rows") == "61", "the list holds 61 books")
        row = cells(s.rows()[int(s.one("selected")) - 1])
        check(row_shows(row, ["Mantel, Hilary", "Wolf Hall", "Fic", "2009", "03-14-2026", "Riverside Branch"]),
              "the new book is selected, as typed and normalised: %s" % row)
        s.screenshot("book-added")

        # Edit it: everything comes back; "Have read" puts the order date aside.
        s.click(s.centre("control", EDIT))
        s.wait_dialog("Edit Book Data")
        check(dialog_texts(s) == {AUTHOR: "Mantel, Hilary", TITLE: "Wolf Hall", CALL_NO: "Fic",
                                  ORDER_DATE: "03-14-2026", PUB_YEAR: "2009", PUBLISHER: OLD_PUBLISHER,
                                  LIBRARY: "Riverside Branch", CATEGORY: "Historical Fiction"},
              "the Edit dialog shows the saved book")
        check(s.control(COMMENTS)["text"] == "Booker Prize; from the new shelf", "with its comments")
        s.click_control(HAVE_READ)
        s.probe()
        check(s.control(ORDER_DATE)["text"] == "", "Have read empties the order date")
        s.click_control(WANT_TO_READ)
        s.probe()
        check(s.control(ORDER_DATE)["text"] == "03-14-2026", "Want to read brings it back")
        s.click_control(HAVE_READ)
        select_all_and_type(s, PUB_YEAR, "2010")
        s.screenshot("edit-book")
        s.keys("Return")  # Enter saves
        s.wait_dialog(None)
        check(s.one("rows") == "61", "the edited book replaces the old one in the list")
        row = cells(s.rows()[int(s.one("selected")) - 1])
        check(row_shows(row, ["Mantel, Hilary", "Wolf Hall", "Fic", "2010", "", "Riverside Branch"]),
              "it shows the new year and no order date: %s" % row)

        # Rename the publisher.
        s.keys("alt+e", "m", "p")
        s.wait_dialog("Drop Down List Maintenance - Publishers")
        s.click_control(CHANGE)
        entries = s.items(ENTRIES)
        s.click_control(ENTRIES)  # drops the list down
        s.keys("Home", *["Down"] * entries.index(OLD_PUBLISHER), "Return")
        s.probe()
        check(s.control(NEW_TEXT)["text"] == OLD_PUBLISHER, "closing the list copies the entry to the text box")
        s.type_text(NEW_PUBLISHER)
        s.screenshot("rename-publisher")
        s.click_control(OK)
        s.wait_dialog(None)

        for title in oxford + ["Wolf Hall"]:
            shown = view_book(s, title)
            check(shown[TITLE] == title and shown[PUBLISHER] == NEW_PUBLISHER, title + " shows " + NEW_PUBLISHER)
        s.screenshot("after-rename")

        # Save and read the file back.
        s.keys("alt+f", "s")
        s.wait_box("Save File")
        s.keys("Return")
        saved = s.dump()
        s.keep_saved()
        check(len(saved["books"]) == 61, "the saved file holds 61 books")
        check(NEW_PUBLISHER in saved["publishers"] and OLD_PUBLISHER not in saved["publishers"],
              "its publisher list has the new name only")
        wolf = [b for b in saved["books"] if b["title"] == "Wolf Hall"]
        check(len(wolf) == 1, "the edited book is saved once, the old version purged")
        wolf = wolf[0]
        entry = lambda name, number: saved[name][number - 1] if number else ""
        check((entry("authors", wolf["author"]), entry("callNumbers", wolf["callNumber"]),
               entry("publishers", wolf["publisher"]), entry("libraries", wolf["library"]),
               entry("categories", wolf["category"]), wolf["pubYear"], wolf["orderDate"], wolf["flags"] & 6,
               wolf["comments"]) ==
              ("Mantel, Hilary", "Fic", NEW_PUBLISHER, "Riverside Branch", "Historical Fiction", 2010, 0, 4,
               "Booker Prize; from the new shelf"),
              "the saved book holds what was typed")
        renamed = sorted(b["title"] for b in saved["books"] if entry("publishers", b["publisher"]) == NEW_PUBLISHER)
        check(renamed == sorted(oxford + ["Wolf Hall"]), "every book of the publisher has the new name in the file")

        s.keys("alt+F4")
        check(s.wait_end() == 0, "Tomecase ends without a question after the save")
    return run.status


if __name__ == "__main__":
    sys.exit(main())
