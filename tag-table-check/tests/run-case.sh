#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the checker once, as a user would, and compares its standard output
# (byte for byte), standard error (must be empty), exit status and the calls
# it made into libexif with what is expected.
#
#   run-case.sh WORK STAND_IN TABLE STATUS STDOUT [LINE...] -- COMMAND [ARG...]
#
# WORK is a directory of this case's own in the build tree, made anew each run.
# STAND_IN is the stand-in libexif.so.12.  TABLE is what it serves (see
# stand-in.c), or "installed" to run against the library that the checker
# itself loads.  STDOUT is "captured", "full" (/dev/full) or "closed".  Each
# LINE is one line of the expected standard output.  Exit status 77: the case
# cannot be run on the host, for the reason printed.
#
# TARGET_PROBE, in a cross build with no emulator, names a program built for
# the TARGET that needs only the C library: where it does not start, neither
# can the checker, whose own status would not say why.
set -u -f
work=$1 stand_in=$2 table=$3 status=$4 stdout=$5
shift 5

# Under `ctest -T memcheck`, valgrind runs this shell too, and follows it
# into the checker.  The shell never frees its heap: leaving by exec, into a
# program that valgrind is told not to follow, keeps the shell out of the
# report, which then speaks of the checker and the stand-in alone.  Every
# program this script starts (sh, rm, mkdir, cmp, diff, tail, cat) is in the
# --trace-children-skip list of MEMORYCHECK_COMMAND_OPTIONS in the top
# CMakeLists.txt; one added here goes there too, or memcheck reports its
# leaks as the checker's.
leave() { exec sh -c 'exit "$1"' sh "$1"; }

{ rm -rf "$work" && mkdir -p "$work" && : >"$work/expected" && : >"$work/out" && : >"$work/trace"; } || leave 2
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
fi

# run COMMAND [ARG...]: COMMAND in the case's environment, the user's with
# the stand-in put first: their preloads (eatmydata, fakeroot, a sandbox) and
# library path stay behind it.  A cross-built checker is started by a program
# of the host (qemu-user, as the emulator or through binfmt_misc) that
# takes the user's preloads itself and hands QEMU_SET_ENV and QEMU_UNSET_ENV
# to the target's loader alone: that loader gets none of the host's.  The
# loader splits LD_PRELOAD at spaces and qemu QEMU_SET_ENV at commas, so the
# stand-in is named from its own directory, where COMMAND starts.
run() (
    if [ "$table" = installed ]; then
        if [ -n "${STAND_IN_TARGET_LOADER_ONLY-}" ]; then
            QEMU_UNSET_ENV=${QEMU_UNSET_ENV:+$QEMU_UNSET_ENV,}LD_PRELOAD
            export QEMU_UNSET_ENV
        fi
    else
        # Preloaded, the stand-in is libexif.so.12 before any search begins,
        # so a search path that the binary records (DT_RPATH, which comes
        # before LD_LIBRARY_PATH) cannot lead to another.  LD_LIBRARY_PATH
        # serves an emulator that is not qemu-user.
        cd "${stand_in%/*}" || exit 2
        preload=./${stand_in##*/}
        if [ -n "${STAND_IN_TARGET_LOADER_ONLY-}" ]; then
            QEMU_SET_ENV=${QEMU_SET_ENV:+$QEMU_SET_ENV,}LD_PRELOAD=$preload
            export QEMU_SET_ENV
        else
            LD_PRELOAD=$preload${LD_PRELOAD:+:$LD_PRELOAD}
            export LD_PRELOAD
        fi
        LD_LIBRARY_PATH=$PWD${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
        STAND_IN_TABLE=$table
        export LD_LIBRARY_PATH STAND_IN_TABLE
    fi
    STAND_IN_TRACE=$work/trace
    # GCC's AddressSanitizer runtime insists on coming first among the
    # libraries, before any preload; the stand-in and the user's preloads
    # replace none of its functions.
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
    export STAND_IN_TRACE ASAN_OPTIONS
    exec "$@"
)

if [ -n "${TARGET_PROBE-}" ] && ! run "$TARGET_PROBE" >/dev/null 2>&1; then
    echo "not run: this host cannot start programs built for ${TARGET:-the target}," \
        "and no CMAKE_CROSSCOMPILING_EMULATOR is set"
    leave 77
fi

case $stdout in
    captured) run "$@" >"$work/out" 2>"$work/err" ;;
    full)
        # Where /dev/full is missing, writing there would make a file of it.
        if [ ! -c /dev/full ]; then
            echo "not run: /dev/full is not a character device here"
            leave 77
        fi
        run "$@" >/dev/full 2>"$work/err" ;;
    closed) run "$@" >&- 2>"$work/err" ;;
    *) echo "unknown STDOUT: $stdout" >&2; leave 2 ;;
esac
rc=$?

failed=0
# Standard error first: where the stand-in refuses the table, or the checker
# crashes, it says why, and the differences below follow from that.
if [ -s "$work/err" ]; then
    echo "standard error is not empty:"
    cat "$work/err"
    failed=1
fi
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
leave $failed
