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
import argparse
import json
import os
import shlex
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
WINE_RUN = os.path.join(HERE, "..", "..", "scripts", "wine-run")
BOOK_NAME = "e2e sample books.lib"


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)
    print("ok:", what)


class Session:
    def __init__(self, args):
        self.args = args
        self.app = None
        out = subprocess.run([WINE_RUN, "--xvfb", args.state, "--env"], check=True, capture_output=True,
                             text=True).stdout
        self.env = dict(os.environ)
        for word in shlex.split(out.replace("export ", "", 1)):
            key, _, value = word.partition("=")
            self.env[key] = value
        self.data = os.path.join(self.env["WINEPREFIX"], "drive_c", "users", "Public", "Documents", "Verdanth",
                                 "Tomecase")
        self.book_windows = "C:\\users\\Public\\Documents\\Verdanth\\Tomecase\\" + BOOK_NAME
        os.makedirs(args.out, exist_ok=True)
        self.shots = 0

    # --- the program and the display ---
    def start(self):
        self.app = subprocess.Popen([WINE_RUN, "--xvfb", self.args.state, self.args.exe], env=self.env,
                                    stdin=subprocess.DEVNULL)
        for _ in range(300):
            ids = self.xdotool("search", "--onlyvisible", "--name", "^Tomecase$", check=False).split()
            if ids:
                self.window = ids[0]
                time.sleep(0.5)
                # A click on the caption gives the window the keyboard.
                self.xdotool("mousemove", "--window", self.window, "150", "8", "click", "1")
                time.sleep(0.3)
                return
            if self.app.poll() is not None:
                raise Failure("Tomecase ended before its window showed")
            time.sleep(0.1)
        raise Failure("the Tomecase window did not appear")

    def wait_end(self):
        try:
            return self.app.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("Tomecase did not end")

    def xdotool(self, *words, check=True):
        run = subprocess.run(["xdotool", *words], env=self.env, capture_output=True, text=True)
        if check and run.returncode != 0:
            raise Failure("xdotool " + " ".join(words) + ": " + run.stderr.strip())
        return run.stdout

    def keys(self, *names):
        for name in names:
            self.xdotool("key", name)
            time.sleep(0.15)
        time.sleep(0.4)

    def type_text(self, text):
        self.xdotool("type", "--delay", "80", text)
        time.sleep(0.5)

    def click(self, screen_xy, button="1"):
        left, top = self.state["window"][0][:2]
        x, y = int(screen_xy[0]) - int(left), int(screen_xy[1]) - int(top)
        self.xdotool("mousemove", "--window", self.window, str(x), str(y), "click", button)
        time.sleep(0.6)

    def screenshot(self, name):
        time.sleep(0.8)
        self.shots += 1
        path = os.path.join(self.args.out, "%02d-%s.png" % (self.shots, name))
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True)
        print("screenshot:", path)

    def wait_box(self, caption):
        for _ in range(100):
            if self.xdotool("search", "--onlyvisible", "--name", "^%s$" % caption, check=False).split():
                return
            time.sleep(0.1)
        raise Failure('no "%s" message box' % caption)

    # --- what the window shows ---
    def probe(self):
        run = subprocess.run([WINE_RUN, "--xvfb", self.args.state, self.args.probe], env=self.env,
                             capture_output=True)
        if run.returncode != 0:
            raise Failure("probe failed: " + run.stderr.decode("cp1252", "replace"))
        state = {}
        for line in run.stdout.decode("cp1252").splitlines():
            key, _, rest = line.rstrip("\r").partition("\t")
            state.setdefault(key, []).append(rest.split("\t") if key != "row" else rest.split("\t", 1))
        self.state = state
        return state

    def one(self, key):
        return self.state[key][0][0]

    def status(self, part):
        for fields in self.state["status"]:
            if fields[0] == str(part):
                return fields[1] if len(fields) > 1 else ""
        return None

    def centre(self, key, name):
        for fields in self.state[key]:
            if fields[0] == str(name):
                return fields[1], fields[2]
        raise Failure("probe gave no %s %s" % (key, name))

    def rows(self):
        return [fields[1] for fields in self.state.get("row", [])]

    def titles(self):
        return [cells(row)[1] for row in self.rows()]


def cells(row):
    parts = row.split("\t")
    return parts + [""] * (6 - len(parts))


def fold(text):
    """The column list's text order: bytes, with a to z taken as A to Z."""
    return bytes(b - 32 if 97 <= b <= 122 else b for b in text.encode("cp1252"))


def same_titles(shown, expected):
    """Cells are cut to their column's width: each shown title begins its book's."""
    return len(shown) == len(expected) and all(s and e.startswith(s) for s, e in zip(shown, expected))


def main():
    parser = argparse.ArgumentParser()
    for name in ("state", "exe", "probe", "tomebook", "books", "json", "out"):
        parser.add_argument("--" + name, required=True)
    args = parser.parse_args()

    sample = json.load(open(args.json, encoding="utf-8"))
    books = sample["books"]
    order = [books[n - 1] for n in sample["sortIndex"]]
    author = lambda b: sample["authors"][b["author"] - 1]
    title_list = lambda wanted: [b["title"] for b in order if wanted(b)]

    s = Session(args)
    os.makedirs(s.data, exist_ok=True)
    book_path = os.path.join(s.data, BOOK_NAME)
    shutil.copyfile(args.books, book_path)
    with open(os.path.join(s.data, "Tomecase.ini"), "wb") as f:
        f.write(s.book_windows.encode("cp1252") + b"\r\n")

    try:
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
        dump = subprocess.run([WINE_RUN, "--xvfb", args.state, args.tomebook, "dump", s.book_windows], env=s.env,
                              capture_output=True, check=True).stdout
        saved = json.loads(dump.decode("utf-8"))
        check(len(saved["books"]) == 59, "the saved file holds 59 books")
        check(dickens not in [b["title"] for b in saved["books"]], "the deleted book is not in the file")

        # Quit with the button; nothing is left unsaved, so no question.
        s.click(s.centre("control", 1005))
        check(s.wait_end() == 0, "the Quit button ended Tomecase with 0")
        with open(os.path.join(s.data, "Tomecase.ini"), "rb") as f:
            check(f.read() == s.book_windows.encode("cp1252") + b"\r\n", "the settings name the saved file")

        # Start again: the saved file comes back.
        s.start()
        s.probe()
        check(s.status(1) == "Filename:" + BOOK_NAME, "the saved file is reopened at the next start")
        check(len(s.rows()) == 59 and s.status(3) == " 1 : 59", "with its 59 books")
        s.screenshot("reopened")
        s.keys("alt+F4")
        check(s.wait_end() == 0, "Alt+F4 ended Tomecase with 0")
    except (Failure, Exception) as failure:
        try:
            s.screenshot("failure")
        except Exception:
            pass
        if s.app is not None and s.app.poll() is None:
            s.app.kill()
        print("FAIL:", failure, file=sys.stderr)
        return 1
    print("session passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
