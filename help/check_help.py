#!/usr/bin/env python3
"""Checks a compiled Tomecase.chm against the help sources it was built from.

Usage: check_help.py TOMECASE_CHM HELP_SOURCE_FOLDER

Reads the .chm back with chmls (extractall), so what is checked is what the
help viewer gets: every project file inside and unchanged, the title and
default topic, a contents entry for every page whose name is the page's own
title, and links that all lead to pages inside the file (nothing external).
"""
import html.parser
import os
import re
import subprocess
import sys
import tempfile


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links, self.title, self._in_title = [], "", False
        self.entries, self._entry = [], None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        for name in ("href", "src"):
            if a.get(name):
                self.links.append(a[name])
        if tag == "title":
            self._in_title = True
        if tag == "object" and a.get("type") == "text/sitemap":
            self._entry = {}
        if tag == "param" and self._entry is not None:
            self._entry[a.get("name", "").lower()] = a.get("value", "")

    def handle_endtag(self, tag):
        if tag == "title":
            self._in_title = False
        if tag == "object" and self._entry is not None:
            self.entries.append(self._entry)
            self._entry = None

    def handle_data(self, data):
        if self._in_title:
            self.title += data


def parse(path):
    p = Links()
    with open(path, encoding="cp1252") as f:
        p.feed(f.read())
    return p


def project(hhp):
    options, files, section = {}, [], None
    with open(hhp, encoding="cp1252") as f:
        for line in f:
            line = line.strip()
            if re.fullmatch(r"\[.*\]", line):
                section = line
            elif line and section == "[OPTIONS]" and "=" in line:
                key, value = line.split("=", 1)
                options[key] = value
            elif line and section == "[FILES]":
                files.append(line)
    return options, files


def main():
    chm, source = sys.argv[1], sys.argv[2]
    problems = []
    options, files = project(os.path.join(source, "Tomecase.hhp"))
    with tempfile.TemporaryDirectory() as out:
        run = subprocess.run(["chmls", "extractall", chm, out], capture_output=True, text=True)
        if run.returncode != 0:
            sys.exit(f"chmls could not read {chm}: {run.stderr}")
        inside = {n for n in os.listdir(out)}
        for name in files + [options["Contents file"]]:
            if name not in inside:
                problems.append(f"{name} is not in the .chm")
                continue
            with open(os.path.join(source, name), "rb") as a, open(os.path.join(out, name), "rb") as b:
                if a.read() != b.read():
                    problems.append(f"{name} differs from its source")
        with open(os.path.join(out, "#SYSTEM"), "rb") as f:
            system = f.read()
        for key in ("Title", "Default topic"):
            if options[key].encode("cp1252") + b"\0" not in system:
                problems.append(f"#SYSTEM lacks {key} {options[key]!r}")

        pages = sorted(n for n in inside if n.endswith(".htm"))
        toc = parse(os.path.join(out, options["Contents file"])).entries
        listed = [e.get("local", "") for e in toc]
        for page in pages:
            if page not in listed:
                problems.append(f"{page} has no contents entry")
        for entry in toc:
            local = entry.get("local", "")
            if local not in inside:
                problems.append(f"contents entry {entry.get('name')!r} leads to missing {local!r}")
                continue
            title = parse(os.path.join(out, local)).title.strip()
            if title != entry.get("name"):
                problems.append(f"contents entry {entry.get('name')!r} names {local}, titled {title!r}")
        if listed[:1] != [options["Default topic"]]:
            problems.append("the contents do not start with the default topic")

        for page in pages:
            for link in parse(os.path.join(out, page)).links:
                target = link.split("#", 1)[0]
                if re.match(r"[a-z]+:|//", link, re.I):
                    problems.append(f"{page} links outside the help file: {link}")
                elif target and target not in inside:
                    problems.append(f"{page} links to missing {link}")

    for p in problems:
        print("check_help:", p)
    print(f"check_help: {len(pages)} pages, {len(toc)} contents entries, {len(problems)} problems")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
