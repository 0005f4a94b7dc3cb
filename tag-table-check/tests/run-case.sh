#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the checker once, as a user would, and compares its standard output
# (byte for byte), standard error (must be empty), exit status and the calls
# it made into libexif with what is expected.
#
#   run-case.sh WORK STAND_IN_DIR TABLE STATUS STDOUT [LINE...] -- COMMAND [ARG...]
#
# WORK is a folder of this case's own in the build tree, made anew each run.
# TABLE is what the stand-in libexif serves (see stand-in.c), or "installed"
# to run against the real library.  STDOUT is "captured", "full" (/dev/full)
# or "closed".  Each LINE is one line of the expected standard output.
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
    STAND_IN_TABLE=$table LD_LIBRARY_PATH=$stand_in
    export STAND_IN_TABLE LD_LIBRARY_PATH
fi
STAND_IN_TRACE=$work/trace
export STAND_IN_TRACE

case $stdout in
    captured) "$@" >"$work/out" 2>"$work/err" ;;
    full) "$@" >/dev/full 2>"$work/err" ;;
    closed) "$@" >&- 2>"$work/err" ;;
    *) echo "unknown STDOUT: $stdout" >&2; exit 2 ;;
esac
rc=$?

# The shell gives 126 when the kernel refuses to run the checker at all.
if [ "$rc" = 126 ] && [ -n "${CROSS_WITHOUT_EMULATOR-}" ] && [ -x "$1" ]; then
    echo "not run: this machine cannot run $CROSS_WITHOUT_EMULATOR programs," \
        "and no CMAKE_CROSSCOMPILING_EMULATOR is set"
    exit 77
fi

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
