"""What the end-to-end sessions share: the real Tomecase.exe under Wine on an
X display of its own, driven by real key presses and mouse clicks
(xdotool); what its windows show, read by tomecase_probe.exe; book files
read back with tomebook.exe; screenshots of every step.
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


def session_args(*extra):
    """The command line every session takes (see tests/e2e/CMakeLists.txt),
    with the further options named in extra."""
    parser = argparse.ArgumentParser()
    for name in ("state", "exe", "probe", "tomebook", "books", "json", "out") + extra:
        parser.add_argument("--" + name.replace("_", "-"), dest=name, required=True)
    return parser.parse_args()


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)
    print("ok:", what)


class SessionRun:
    """with SessionRun(session) as run: the session's steps. A step that
    fails ends the run with a screenshot, ends Tomecase and says why;
    run.status is then 1, 0 when every step passed."""

    def __init__(self, session):
        self.session = session
        self.status = 1

    def __enter__(self):
        return self

    def __exit__(self, kind, failure, trace):
        if failure is None:
            print("session passed")
            self.status = 0
            return False
        try:
            self.session.screenshot("failure")
        except Exception:
            pass
        if self.session.app is not None and self.session.app.poll() is None:
            self.session.app.kill()
        print("FAIL:", failure, file=sys.stderr)
        return isinstance(failure, Exception)


class Session:
    """args carries state (wine-run's folder), exe, probe, tomebook and out
    (the screenshot folder); book_name is the book file's name in the data
    folder."""

    def __init__(self, args, book_name):
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
        self.book_windows = "C:\\users\\Public\\Documents\\Verdanth\\Tomecase\\" + book_name
        self.book_path = os.path.join(self.data, book_name)
        # A run's pictures and printouts only: none left from an earlier run.
        os.makedirs(args.out, exist_ok=True)
        for name in os.listdir(args.out):
            if name.endswith((".png", ".ps", ".txt", ".lib")):
                os.remove(os.path.join(args.out, name))
        self.shots = 0
        self.state = {}

    def set_up_book(self, source):
        """Copies the book file SOURCE into the data folder and names it in
        the settings file, so that start-up opens it."""
        os.makedirs(self.data, exist_ok=True)
        shutil.copyfile(source, self.book_path)
        with open(self.settings_path(), "wb") as f:
            f.write(self.book_windows.encode("cp1252") + b"\r\n")

    def settings_path(self):
        return os.path.join(self.data, "Tomecase.ini")

    def dump(self):
        """The saved book file, as tomebook reads it."""
        out = subprocess.run([WINE_RUN, "--xvfb", self.args.state, self.args.tomebook, "dump", self.book_windows],
                             env=self.env, capture_output=True, check=True).stdout
        return json.loads(out.decode("utf-8"))

    def keep_saved(self):
        """Copies the saved book file to saved.lib in the screenshot folder,
        where the test command compares what each Windows build wrote."""
        shutil.copyfile(self.book_path, os.path.join(self.args.out, "saved.lib"))

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

    # --- a dialog over the main window (from the last probe) ---
    def dialog(self):
        """The caption of the dialog Tomecase shows over its window, or None."""
        return self.state["dialog"][0][0] if "dialog" in self.state else None

    def wait_dialog(self, caption, seconds=20):
        """Probes until the dialog with CAPTION shows; None waits for no dialog."""
        end = time.time() + seconds
        while time.time() < end:
            self.probe()
            if self.dialog() == caption:
                time.sleep(0.3)
                return self.probe()
            time.sleep(0.2)
        raise Failure('waited for %s, saw %s' % ('"%s"' % caption if caption else "no dialog",
                                                '"%s"' % self.dialog() if self.dialog() else "none"))

    def control(self, control_id):
        """A control of the dialog: class, enabled, checked, centre and text."""
        for fields in self.state.get("dctl", []):
            if fields[0] == str(control_id):
                text = "\t".join(fields[6:]).replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t")
                return {"class": fields[1], "enabled": fields[2] == "1", "checked": fields[3] == "on",
                        "centre": (fields[4], fields[5]), "text": text}
        raise Failure("the dialog has no control %s" % control_id)

    def items(self, control_id):
        return [fields[2] for fields in self.state.get("ditem", []) if fields[0] == str(control_id)]

    def click_control(self, control_id):
        self.click(self.control(control_id)["centre"])

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


