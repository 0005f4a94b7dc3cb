#!/bin/sh
# SPDX-License-Identifier: MIT
# Fails unless the built checker, at run time, takes nothing but libexif's
# three accessors and the C library (with the dynamic loader every program
# has).  What counts is what the binary uses, not which libraries its link
# line happened to record: a packager's --no-as-needed may list libstdc++,
# libm or libgcc_s, and on 32-bit ARM the stack guard lives in the loader.
#
#   needed.sh READELF BINARY
#
# READELF may be GNU's or LLVM's; both print the same columns.  A sanitized
# build brings the sanitizers' runtime, whose needs are not the checker's:
# there, libexif.so.12 and libc.so.6 must only be among the needed libraries.
set -u
readelf=$1 binary=$2
failed=0

needed=$("$readelf" -d -W "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' | sort | tr '\n' ' ')
for lib in libc.so.6 libexif.so.12; do
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
for file in $("$readelf" -V -W "$binary" | sed -n 's/.*File: \([^ ]*\).*/\1/p' | sort -u); do
    case $file in
        libc.so.6 | libexif.so.12 | "${interp##*/}") ;;
        *) echo "takes versioned symbols from $file"; failed=1 ;;
    esac
done

# libexif does not version its symbols; nothing else unversioned may be taken.
others=$("$readelf" --dyn-syms -W "$binary" | awk '$7 == "UND" && $5 != "WEAK" && $8 != "" && $8 !~ /@/ &&
    $8 !~ /^exif_tag_table_(count|get_tag|get_name)$/ { printf " %s", $8 }')
if [ -n "$others" ]; then
    echo "takes unversioned symbols other than libexif's accessors:$others"
    failed=1
fi
exit $failed
