/* SPDX-License-Identifier: MIT */
/* A stand-in for libexif.so.12, loaded in place of the real library through
 * the loader's search path.  It serves the table written in STAND_IN_TABLE:
 * hex tag numbers separated by blanks, with "!" right after a tag whose entry
 * has no name.  Every call it receives is appended to the file named in
 * STAND_IN_TRACE, so a test sees the calls and their order, not just the output.
 * The names it hands out point into a page that cannot be read: a checker that
 * looks at a name's text instead of comparing the pointer with null crashes.
 * The accessors are exported whatever visibility the build's flags default to. */

#define _DEFAULT_SOURCE /* MAP_ANONYMOUS */

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

#include <libexif/exif-tag.h>

#define EXPORTED __attribute__((visibility("default")))

enum { max_entries = 64 };

static unsigned int entries;
static unsigned int tags[max_entries];
static int nameless[max_entries];
static const char *unreadable_name;

static void load(void)
{
	static int loaded;
	const char *p = getenv("STAND_IN_TABLE");
	char *end;

	if (loaded || p == NULL)
		return;
	loaded = 1;
	unreadable_name = mmap(NULL, (size_t)sysconf(_SC_PAGESIZE), PROT_NONE,
			       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
	if (unreadable_name == MAP_FAILED)
		abort();
	while (entries < max_entries) {
		unsigned long tag = strtoul(p, &end, 16);
		if (end == p)
			break;
		tags[entries] = (unsigned int)tag;
		nameless[entries] = *end == '!';
		p = nameless[entries] ? end + 1 : end;
		entries++;
	}
}

static void record(const char *format, ...) __attribute__((format(printf, 1, 2)));

static void record(const char *format, ...)
{
	const char *path = getenv("STAND_IN_TRACE");
	FILE *trace = path ? fopen(path, "a") : NULL;
	va_list args;

	if (trace == NULL)
		return;
	va_start(args, format);
	vfprintf(trace, format, args);
	va_end(args);
	fclose(trace);
}

EXPORTED unsigned int exif_tag_table_count(void)
{
	load();
	record("count\n");
	return entries;
}

EXPORTED ExifTag exif_tag_table_get_tag(unsigned int n)
{
	load();
	record("tag %u\n", n);
	return n < entries ? (ExifTag)tags[n] : (ExifTag)0;
}

EXPORTED const char *exif_tag_table_get_name(unsigned int n)
{
	load();
	record("name %u\n", n);
	return n < entries && !nameless[n] ? unreadable_name : NULL;
}
