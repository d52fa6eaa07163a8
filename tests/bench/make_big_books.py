#!/usr/bin/env python3
"""Prints a large collection as a tomebook JSON document, the same on every run:
half the books to read, half read, over 5,000 authors, in author/title order.

    python3 tests/bench/make_big_books.py [BOOKS] > big.json
    tomebook build big.json big.lib
"""
import json
import sys

SYLLABLES = ["an", "ber", "cal", "dor", "el", "fin", "gar", "hol", "is", "jen", "kel", "lor", "mar",
             "nor", "ol", "pen", "quin", "ros", "sto", "tan", "ul", "ver", "wil", "yor", "zan"]
WORDS = ["the", "house", "of", "river", "night", "garden", "letters", "a", "winter", "journey",
         "stone", "and", "light", "memory", "secret", "history", "island", "war", "daughter",
         "silent", "city", "north", "fire", "in", "dark", "summer", "last", "song", "road", "glass"]
GIVEN = ["Anne", "Charles", "Jane", "Thomas", "Mary", "George", "Ruth", "Henry", "Alice", "Paul"]
WANT_TO_READ, HAVE_READ = 2, 4


class Rng:
    """A fixed generator, so the document never changes with the Python version."""

    def __init__(self, seed):
        self.state = seed

    def below(self, n):
        self.state = (self.state * 1103515245 + 12345) % 2**31
        return (self.state >> 8) % n


def words(rng, low, high):
    target = low + rng.below(high - low + 1)
    text = ""
    while len(text) < target:
        text += (" " if text else "") + WORDS[rng.below(len(WORDS))]
    text = text[:target].rstrip()
    return text[0].upper() + text[1:]


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
    rng = Rng(20261211)
    authors = set()
    while len(authors) < 5000:
        surname = "".join(SYLLABLES[rng.below(len(SYLLABLES))] for _ in range(2 + rng.below(3)))
        authors.add(surname.capitalize() + ", " + GIVEN[rng.below(len(GIVEN))])
    authors = sorted(authors)
    lists = {
        "callNumbers": ["%s %03d" % (("Fic", "Bio", "Hist", "Sci")[i % 4], i) for i in range(1, 201)],
        "publishers": ["Press %d %s" % (i, words(rng, 4, 14)) for i in range(1, 101)],
        "libraries": ["Branch %d" % i for i in range(1, 21)],
        "categories": [words(rng, 4, 16) for _ in range(40)],
    }
    books = []
    for b in range(count):
        year = 10 + rng.below(40)
        books.append({
            "flags": WANT_TO_READ if b % 2 == 0 else HAVE_READ,
            "author": 1 + rng.below(len(authors)),
            "callNumber": 1 + rng.below(200),
            "orderDate": (year << 9) | ((1 + rng.below(12)) << 5) | (1 + rng.below(28)) if b % 2 == 0 else 0,
            "pubYear": 1850 + rng.below(175),
            "publisher": 1 + rng.below(100),
            "library": 1 + rng.below(20),
            "reserved": 0,
            "category": 1 + rng.below(40),
            "title": words(rng, 8, 60),
            "comments": words(rng, 15, 100) if rng.below(5) == 0 else "",
        })
    order = sorted(range(1, count + 1),
                   key=lambda n: (authors[books[n - 1]["author"] - 1].upper(), books[n - 1]["title"].upper()))
    document = {"spareCount": 0, "sortIndex": order, "books": books, "authors": authors}
    document.update(lists)
    json.dump(document, sys.stdout, ensure_ascii=False)
    sys.stdout.write("\n")


if __name__ == "__main__":
    main()
