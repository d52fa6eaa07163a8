#!/bin/bash
# Writes the fuzz seed corpus byte for byte from the book file layout:
# header, seven little-endian count words (books, authors, call numbers,
# publishers, libraries, spare, categories), then sort order, 12-byte
# records, titles, comments and the lists. Run from anywhere; rewrites corpus/.
set -euo pipefail
out="$(cd "$(dirname "$0")" && pwd)/corpus"
mkdir -p "$out"

hex() { printf "$(printf '\\x%02x' "$@")"; }
u8() { hex $(($1 & 255)); }
u16() { hex $(($1 & 255)) $((($1 >> 8) & 255)); }
i32() { hex $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)); }
# A string element: 16-bit length below 65535, then the bytes (printf escapes allowed).
text() { local bytes; bytes="$(printf "$1"; echo .)"; bytes="${bytes%.}"; u16 "${#bytes}"; printf '%s' "$bytes"; }
header() { printf 'Tomecase Version 1'; for c in "$@"; do i32 "$c"; done; }
# record FLAGS AUTHOR CALLNUMBER ORDERDATE PUBYEAR PUBLISHER LIBRARY RESERVED CATEGORY
record() { u8 "$1"; u16 "$2"; u8 "$3"; u16 "$4"; u16 "$5"; u8 "$6"; u8 "$7"; u8 "$8"; u8 "$9"; }

export LC_ALL=C

: > "$out/empty.lib"

header 0 0 0 0 0 0 0 > "$out/no_books.lib"

# One book: Austen as author 1, title Emma, flags WantToRead and Shown.
{
  header 1 1 0 0 0 0 0
  i32 1
  record 0x22 1 0 0 0 0 0 0 0
  text 'Emma'; text ''
  text 'Austen'
} > "$out/austen_emma.lib"

# Three books with every list in use: order date 3 Feb 2005 (0x3243), a year
# stored times 16 (2001 * 16), the year 2500 that stays, a reserved byte, a
# Deleted and an InCustomList flag, a spare count, and a 1252 letter.
{
  header 3 2 2 1 1 2 2
  i32 1; i32 3; i32 2
  record 0x22 1 1 0x3243 1815 1 1 0 1
  record 0x24 2 2 0 32016 0 1 0x5a 2
  record 0x3a 1 0 0x2e6f 2500 1 0 0 2
  text 'Emma'; text 'Jane Eyre'; text 'Persuasion'
  text 'Gift from Ann'; text ''; text 'Second copy, torn cover'
  text 'Austen, Jane'; text 'Bront\xeb, Charlotte'
  text 'FIC'; text '823.7'
  text 'Penguin'
  text 'Central'
  text 'Classics'; text 'Romance'
} > "$out/three_books_lists.lib"

# A short title written with the long-length escape (FF FF, 32-bit length),
# and leftover bytes of an older, longer save after the last element.
{
  header 1 1 0 0 1 0 1
  i32 1
  record 0x04 1 0 0x3a21 1871 0 1 0 1
  u16 0xffff; i32 11; printf 'Middlemarch'
  text 'Library sale'
  text 'Eliot, George'
  text 'East Branch'
  text 'Fiction'
  printf 'leftover bytes from an older save'
} > "$out/long_escape_leftovers.lib"

# Lists without books, as a new file gets its default lists.
{
  header 0 1 3 0 0 0 4
  text 'Tolkien, J. R. R.'
  text 'FIC'; text 'BIO'; text ''
  text 'Fantasy'; text 'Biography'; text 'Mystery'; text 'Reference'
} > "$out/lists_only.lib"
