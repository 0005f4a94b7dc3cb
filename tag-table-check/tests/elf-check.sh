#!/bin/sh
# Reads the built checker's ELF headers: at run time it must need libexif.so.12
# and libc.so.6 and nothing else (no C++ runtime, no libm, no libgcc_s).
#
#   elf-check.sh READELF BINARY
set -u
readelf=$1 binary=$2

needed=$("$readelf" -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' | sort | tr '\n' ' ')
if [ "$needed" != "libc.so.6 libexif.so.12 " ]; then
    echo "needed libraries: $needed; expected exactly libc.so.6 libexif.so.12"
    exit 1
fi
