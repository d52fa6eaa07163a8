#!/bin/bash
# Writes a small book file to $1: two books (Emma by Austen, to read;
# Middlemarch by Eliot, read), two authors and one category.
set -eu

u8() { printf "\\x$(printf %02x "$1")"; }
u16() { u8 $(($1 & 255)); u8 $(($1 >> 8 & 255)); }
u32() { u16 $(($1 & 65535)); u16 $(($1 >> 16 & 65535)); }
text() { u16 ${#1}; printf '%s' "$1"; }
# flags, author, call number, order date, year, publisher, library, reserved, category
record() { u8 "$1"; u16 "$2"; u8 "$3"; u16 "$4"; u16 "$5"; u8 "$6"; u8 "$7"; u8 "$8"; u8 "$9"; }

{
    printf 'Tomecase Version 1'
    for count in 2 2 0 0 0 0 1; do u32 $count; done
    u32 1; u32 2
    record 34 1 0 0 1815 0 0 0 1
    record 4 2 0 0 1871 0 0 0 1
    text "Emma"; text "Middlemarch"
    text ""; text ""
    text "Austen, Jane"; text "Eliot, George"
    text "Novels"
} >"$1"
