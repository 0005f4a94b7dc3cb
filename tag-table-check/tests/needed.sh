#!/bin/sh
# SPDX-License-Identifier: MIT
# Fails unless the built checker needs exactly libexif.so.12 and libc.so.6 at
# run time.  A sanitized build brings the sanitizers' runtime libraries too,
# so there the two must only be among what it needs.
#
#   needed.sh READELF BINARY
#
# READELF may be GNU's or LLVM's: both print "(NEEDED) ... [name]".
set -u
readelf=$1 binary=$2

needed=$("$readelf" -d -W "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' | sort | tr '\n' ' ')
if "$readelf" --dyn-syms -W "$binary" | grep -qE '__asan_init|__ubsan_handle'; then
    for lib in libc.so.6 libexif.so.12; do
        case " $needed" in *" $lib "*) ;; *) echo "$lib is not needed: $needed"; exit 1 ;; esac
    done
elif [ "$needed" != "libc.so.6 libexif.so.12 " ]; then
    echo "needed libraries: $needed; expected exactly libc.so.6 libexif.so.12"
    exit 1
fi
