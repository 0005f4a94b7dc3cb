#!/bin/sh
# Reads the built checker's ELF headers and fails when something is missing.
#
#   elf-check.sh needed|hardening|armhf READELF BINARY FORTIFIED
#
# needed:    at run time it needs libexif.so.12 and libc.so.6, nothing else.
# hardening: PIE, full RELRO, a non-executable stack; a fortified printf when
#            FORTIFIED is "yes"; the stack protector where GCC recorded flags.
# armhf:     built for ARMv7, passing floating-point arguments in VFP registers.
set -u
check=$1 readelf=$2 binary=$3 fortified=$4
failed=0
fail() {
    echo "$*"
    failed=1
}

symbols=$("$readelf" --dyn-syms -W "$binary")
dynamic=$("$readelf" -d -W "$binary")

case $check in
needed)
    needed=$(echo "$dynamic" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' | sort | tr '\n' ' ')
    if echo "$symbols" | grep -qE '__asan_init|__ubsan_handle'; then
        # The sanitizers' runtime brings libraries of its own.
        for lib in libc.so.6 libexif.so.12; do
            case " $needed" in *" $lib "*) ;; *) fail "$lib is not needed: $needed" ;; esac
        done
    elif [ "$needed" != "libc.so.6 libexif.so.12 " ]; then
        fail "needed libraries: $needed; expected exactly libc.so.6 libexif.so.12"
    fi
    ;;
hardening)
    "$readelf" -h "$binary" | grep -q 'Type:.*DYN' || fail "not position-independent (ELF type is not DYN)"
    echo "$dynamic" | grep -q '(FLAGS_1).*PIE' || fail "no PIE flag in the dynamic section"
    echo "$dynamic" | grep -qE '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' || fail "no BIND_NOW: RELRO is only partial"
    segments=$("$readelf" -l -W "$binary")
    echo "$segments" | grep -q 'GNU_RELRO' || fail "no GNU_RELRO segment"
    echo "$segments" | grep -qE 'GNU_STACK.* RW +0x' || fail "stack is executable or unmarked: $(echo "$segments" | grep GNU_STACK)"
    if [ "$fortified" = yes ]; then
        echo "$symbols" | grep -q ' UND __printf_chk' || fail "printf is not fortified (_FORTIFY_SOURCE)"
    fi
    # The producer of the checker's own compile unit, not of any runtime
    # linked in with it.
    producer=$("$readelf" --debug-dump=info "$binary" 2>/dev/null |
        awk '/DW_AT_producer/ { p = $0 } /DW_AT_name.*tag-table-check\.cpp/ { print p; exit }')
    if echo "$producer" | grep -q 'GNU C++'; then
        case $producer in
            *-fstack-protector-strong*) ;;
            *) fail "not compiled with -fstack-protector-strong: $producer" ;;
        esac
    else
        echo "no GCC record of the compiler flags in this build: stack protector not checked"
    fi
    ;;
armhf)
    attributes=$("$readelf" -A "$binary")
    echo "$attributes" | grep -qE '^ *Tag_CPU_arch: v7$' || fail "not built for ARMv7: $(echo "$attributes" | grep Tag_CPU_arch:)"
    echo "$attributes" | grep -qE '^ *Tag_ABI_VFP_args: VFP registers$' || fail "not the hard-float calling convention"
    ;;
*)
    fail "unknown check: $check"
    ;;
esac
exit $failed
