# What this machine can run; sourced by install-deps.sh, test.sh and run.sh.

# Succeeds when the kernel runs 32-bit x86 programs. Some kernels lack that
# support, and there every i386 program (Wine's 32-bit loader, the
# post-install scripts of i386 packages) ends with "Exec format error". The
# probe is a real one: a 96-byte static i386 ELF program, written here byte
# by byte so that no 32-bit compiler is needed, that exits with status 42.
can_run_i386() {
    local dir probe status
    dir=$(mktemp -d) || return 1
    probe=$dir/probe-i386
    # ELF header (52 bytes), one program header (32), then the code:
    # mov eax,1; mov ebx,42; int 0x80 (exit(42)).
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$probe"
    printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$probe"
    printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000' >>"$probe"
    printf '\000\000\000\000' >>"$probe"
    printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010' >>"$probe"
    printf '\140\000\000\000\140\000\000\000\005\000\000\000\000\020\000\000' >>"$probe"
    printf '\270\001\000\000\000\273\052\000\000\000\315\200' >>"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -rf "$dir"
    [ "$status" -eq 42 ]
}

# As can_run_i386, but TOMECASE_NO_32BIT=1 makes it answer no, so that a
# machine that runs 32-bit programs can act as one that cannot.
runs_i386_here() {
    [ "${TOMECASE_NO_32BIT:-}" != 1 ] && can_run_i386
}

# The Wine loaders: the 32-bit one runs the i686 build in a win32 prefix, the
# 64-bit one the x86_64 build in a win64 prefix.
wine32_loader=/usr/lib/wine/wine
wine64_loader=/usr/lib/wine/wine64

# Why the 32-bit build cannot be run here, or nothing when it can.
wine32_missing_reason() {
    if [ "${TOMECASE_NO_32BIT:-}" = 1 ]; then
        echo "TOMECASE_NO_32BIT=1 is set (acting as a machine that cannot run 32-bit x86 programs)"
    elif ! can_run_i386; then
        echo "this machine's kernel cannot run 32-bit x86 programs (Exec format error)"
    elif [ ! -x "$wine32_loader" ]; then
        echo "the 32-bit Wine ($wine32_loader, package wine32:i386) is not installed"
    fi
}

wine64_missing_reason() {
    if [ ! -x "$wine64_loader" ]; then
        echo "the 64-bit Wine ($wine64_loader, package wine64) is not installed"
    fi
}
