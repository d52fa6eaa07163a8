#!/bin/bash
# The test printer for sessions with the real Tomecase.exe under Wine.
#
#   test-printer.sh install STATE WIN_TESTS
#       installs Wine's PostScript driver and "Tomecase Test Printer" in
#       wine-run's prefix STATE and makes it the default printer (the print
#       tests' fixture does it; WIN_TESTS is the built win_tests.exe), then
#       prints the Unix path where every job's PostScript lands
#   test-printer.sh pages PS
#       writes the pages of PS beside it as <stem>-page<n>.txt (ghostscript's
#       txtwrite, UTF-8) and <stem>-page<n>.png (72 dpi); prints the page count
set -u

here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "test-printer: $*" >&2
    exit 1
}

case "${1:-}" in
install)
    [ $# -eq 3 ] || fail "usage: test-printer.sh install STATE WIN_TESTS"
    "$here/../../scripts/wine-run" --xvfb "$2" "$3" --gtest_filter=TextPrinterWin.DefaultPrinterIsTheTestPrinterWithItsSheet \
        </dev/null >/dev/null 2>&1 || fail "the test printer could not be installed (run that test to see why)"
    echo "$(cd "$(dirname "$3")/../.." && pwd)/print/printer.ps"
    ;;
pages)
    [ $# -eq 2 ] || fail "usage: test-printer.sh pages PS"
    stem=${2%.ps}
    rm -f "$stem"-page*.txt "$stem"-page*.png
    gs -q -sDEVICE=txtwrite -o "$stem-page%d.txt" "$2" || fail "ghostscript could not read $2"
    gs -q -sDEVICE=png16m -r72 -o "$stem-page%d.png" "$2" || fail "ghostscript could not render $2"
    ls "$stem"-page*.png | wc -l
    ;;
*)
    fail "usage: test-printer.sh install STATE WIN_TESTS | pages PS"
    ;;
esac
