#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the checker once, as a user would, and compares its standard output
# (byte for byte), standard error (must be empty), exit status and the calls
# it made into libexif with what is expected.
#
#   run-case.sh WORK STAND_IN TABLE STATUS STDOUT [LINE...] -- COMMAND [ARG...]
#
# WORK is a folder of this case's own in the build tree, made anew each run.
# STAND_IN is the stand-in libexif.so.12.  TABLE is what it serves (see
# stand-in.c), or "installed" to run against the library that the checker
# itself loads.  STDOUT is "captured", "full" (/dev/full) or "closed".  Each
# LINE is one line of the expected standard output.  Exit status 77: the case
# cannot be run on this machine, for the reason printed.
#
# TARGET_PROBE, in a cross build with no emulator, names a program built for
# the TARGET that needs only the C library: where it does not start, neither
# can the checker, whose own status would not say why.
set -u -f
work=$1 stand_in=$2 table=$3 status=$4 stdout=$5
shift 5

rm -rf "$work" && mkdir -p "$work" || exit 2
: >"$work/expected" && : >"$work/out" && : >"$work/trace" || exit 2
while [ "$1" != -- ]; do
    printf '%s\n' "$1" >>"$work/expected"
    shift
done
shift

if [ -n "${TARGET_PROBE-}" ] && ! "$TARGET_PROBE" >/dev/null 2>&1; then
    echo "not run: this machine cannot start ${TARGET-the target's} programs," \
        "and no CMAKE_CROSSCOMPILING_EMULATOR is set"
    exit 77
fi

# The stand-in logs count, then "tag i" and "name i" for every entry but the
# last; the real library must not leave a trace at all.
if [ "$table" = installed ]; then
    : >"$work/calls"
else
    (
        # shellcheck disable=SC2086 # one word per entry; globbing is off
        set -- $table
        echo count
        i=0
        while [ $((i + 1)) -lt $# ]; do
            printf 'tag %d\nname %d\n' $i $i
            i=$((i + 1))
        done
    ) >"$work/calls"
    # Preloaded, the stand-in is libexif.so.12 before any search begins, so
    # a search path that the binary records (DT_RPATH, which comes before
    # LD_LIBRARY_PATH) cannot lead to another.  A program of this machine that
    # starts a cross-built checker must not preload it itself: qemu-user
    # hands QEMU_SET_ENV to its guest alone, and LD_LIBRARY_PATH serves any
    # other emulator.  GCC's AddressSanitizer runtime insists on coming first
    # among the libraries; the stand-in replaces none of its functions.
    preload=LD_PRELOAD=$stand_in
    if [ -n "${STAND_IN_TARGET_LOADER_ONLY-}" ]; then
        preload="QEMU_SET_ENV=${QEMU_SET_ENV:+$QEMU_SET_ENV,}$preload"
    fi
    set -- env STAND_IN_TABLE="$table" LD_LIBRARY_PATH="${stand_in%/*}" "$preload" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" "$@"
fi
STAND_IN_TRACE=$work/trace
export STAND_IN_TRACE

case $stdout in
    captured) "$@" >"$work/out" 2>"$work/err" ;;
    full)
        # Where /dev/full is missing, writing there would make a file of it.
        if [ ! -c /dev/full ]; then
            echo "not run: /dev/full is not a character device here"
            exit 77
        fi
        "$@" >/dev/full 2>"$work/err" ;;
    closed) "$@" >&- 2>"$work/err" ;;
    *) echo "unknown STDOUT: $stdout" >&2; exit 2 ;;
esac
rc=$?

failed=0
# differs WHAT EXPECTED ACTUAL: report and note a difference between two files.
differs() {
    cmp -s "$2" "$3" && return
    echo "$1 differ (- expected, + actual):"
    diff -u "$2" "$3" | tail -n +3
    failed=1
}
if [ "$rc" != "$status" ]; then
    echo "exit status $rc, expected $status"
    failed=1
fi
differs "standard output lines" "$work/expected" "$work/out"
differs "calls into libexif" "$work/calls" "$work/trace"
if [ -s "$work/err" ]; then
    echo "standard error is not empty:"
    cat "$work/err"
    failed=1
fi
exit $failed
