#!/bin/sh
# SPDX-License-Identifier: MIT
# Fails unless the built checker, at run time, takes nothing but libexif's
# three accessors and the C library (with the dynamic loader every program
# has).  What counts is what the binary uses, not which libraries its link
# line happened to record: a packager's --no-as-needed may list libstdc++,
# libm or libgcc_s, and on 32-bit ARM the stack guard lives in the loader.
#
#   needed.sh BINARY LIBC_ONLY READELF...
#
# What LIBC_ONLY, built by the same toolchain, needs is the C library, under
# whatever name (libc.so.6, musl's libc.so, a BSD's libc.so.7).  The binaries
# are read with the first READELF that is there, a path or a name on PATH,
# GNU's or LLVM's; where there is none, the test is skipped (77).  A
# sanitized build brings the sanitizers' runtime, whose needs are not the
# checker's: there, libexif.so.12 and the C library must only be among the
# needed libraries.
set -u
# readelf's words are translated: read them as written, whatever the locale.
LC_ALL=C
export LC_ALL
binary=$1 libc_only=$2
shift 2
readelf=
for candidate; do
    case $candidate in
        */*) [ -f "$candidate" ] && [ -x "$candidate" ] ;;
        *) command -v "$candidate" >/dev/null ;;
    esac && readelf=$candidate && break
done
if [ -z "$readelf" ]; then
    echo "not run: no readelf to read the binary with; looked for $*"
    exit 77
fi
failed=0

needed() { "$readelf" -d -W "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' | sort | tr '\n' ' '; }
needed=$(needed "$binary")
libc=$(needed "$libc_only")
for lib in libexif.so.12 $libc; do
    case " $needed" in
        *" $lib "*) ;;
        *) echo "$lib is not among the needed libraries: $needed"; failed=1 ;;
    esac
done
if "$readelf" --dyn-syms -W "$binary" | grep -qE '__asan_init|__ubsan_handle'; then
    exit $failed
fi

# Every library that versions its symbols (libstdc++, libm, libgcc_s, glibc)
# names itself in the version needs: only the C library and the loader may.
interp=$("$readelf" -l -W "$binary" | sed -n 's/.*program interpreter: \(.*\)\]$/\1/p')
if [ -z "$interp" ]; then
    echo "no program interpreter in what $readelf says of $binary"
    failed=1
fi
for file in $("$readelf" -V -W "$binary" | sed -n 's/.*File: \([^ ]*\).*/\1/p' | sort -u); do
    case " libexif.so.12 ${interp##*/} $libc" in
        *" $file "*) ;;
        *) echo "takes versioned symbols from $file"; failed=1 ;;
    esac
done

# libexif does not version its symbols.  Where the C library does, nothing
# else unversioned may be taken; where it does not (musl), its symbols cannot
# be told from another unversioned library's, and the check above must do.
unversioned() {
    "$readelf" --dyn-syms -W "$1" | awk '$7 == "UND" && $5 != "WEAK" && $8 != "" && $8 !~ /@/ &&
        $8 !~ /^exif_tag_table_(count|get_tag|get_name)$/ { printf " %s", $8 }'
}
if [ -z "$(unversioned "$libc_only")" ]; then
    others=$(unversioned "$binary")
    if [ -n "$others" ]; then
        echo "takes unversioned symbols other than libexif's accessors:$others"
        failed=1
    fi
fi
exit $failed
