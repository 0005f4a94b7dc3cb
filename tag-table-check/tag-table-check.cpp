// SPDX-License-Identifier: MIT
// tag-table-check: walk libexif's tag table once and report, on standard
// output, every entry whose tag number is lower than its predecessor's and
// every entry that has no name. Exit status 0: the table is sound; 1: it is not.
// Arguments are ignored; nothing is read but the library's own table.

// Fortify printf where the build optimises, unless the caller's flags, a
// compiler wrapper or the compiler itself already set a level (0 turns it off):
// a second definition would warn, and a lower one would undo the caller's.
#if defined(TAG_TABLE_CHECK_FORTIFY) && defined(__OPTIMIZE__) && !defined(_FORTIFY_SOURCE)
#define _FORTIFY_SOURCE 2
#endif

#include <cstdio>

#include <libexif/exif-tag.h>

int main()
{
    const unsigned int count = exif_tag_table_count();

    // The table ends in a terminating entry (tag 0, no name) that the count
    // includes, so the last entry is never examined; with fewer than two
    // entries there is nothing to look at.
    if (count < 2)
        return 0;
    const unsigned int examined = count - 1;

    unsigned int previous = 0;
    bool found = false;
    for (unsigned int index = 0; index < examined; ++index) {
        // Tags are compared as unsigned values and only with the entry just
        // before, so each fault is reported once, where it occurs.
        const auto tag = static_cast<unsigned int>(exif_tag_table_get_tag(index));
        if (tag < previous) {
            std::printf("Tag 0x%04x in ExifTagTable[] is out of order\n", tag);
            found = true;
        }
        previous = tag;

        if (exif_tag_table_get_name(index) == nullptr) {
            std::printf("Tag 0x%04x has a NULL name\n", tag);
            found = true;
        }
    }

    // A failed write is not a finding: the verdict rests on the table alone.
    return found ? 1 : 0;
}
