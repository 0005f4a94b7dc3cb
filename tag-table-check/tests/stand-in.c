/* SPDX-License-Identifier: MIT */
/* A stand-in for libexif.so.12, preloaded in front of the real library (see
 * run-case.sh).  It serves the table written in STAND_IN_TABLE: hex tag
 * numbers separated by spaces, with "!" right after a tag whose entry has no
 * name.  A table it cannot serve whole, with a token that is no such entry or
 * more entries than it holds, stops the checker with status 99 and a message
 * on standard error, so the case fails instead of checking another table.
 * Every call it receives is appended to the file named in STAND_IN_TRACE, so
 * a test sees the calls and their order, not just the output.  The names it
 * hands out point into a page that cannot be read: a checker that looks at a
 * name's text instead of comparing the pointer with null crashes.  The
 * accessors are exported whatever visibility the build's flags default to. */

#define _DEFAULT_SOURCE /* MAP_ANONYMOUS */

#include <ctype.h>
#include <errno.h>
#include <limits.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

#include <libexif/exif-tag.h>

#define EXPORTED __attribute__((visibility("default")))

enum { max_entries = 64 };

static unsigned int entries;
static unsigned int tags[max_entries];
static int nameless[max_entries];
static const char *unreadable_name;

static void refuse(const char *token, int length, const char *why)
{
	fprintf(stderr, "stand-in: STAND_IN_TABLE entry \"%.*s\": %s\n", length, token, why);
	_exit(99);
}

static void load(void)
{
	static int loaded;
	const char *p = getenv("STAND_IN_TABLE");

	if (loaded || p == NULL)
		return;
	loaded = 1;
	unreadable_name = mmap(NULL, (size_t)sysconf(_SC_PAGESIZE), PROT_NONE,
			       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
	if (unreadable_name == MAP_FAILED)
		abort();
	for (p += strspn(p, " "); *p != '\0'; p += strspn(p, " ")) {
		const int length = (int)strcspn(p, " ");
		char *end;
		unsigned long long tag;

		if (entries == max_entries)
			refuse(p, length, "more entries than the stand-in holds");
		if (!isxdigit((unsigned char)*p))
			refuse(p, length, "not a hex tag number");
		errno = 0;
		tag = strtoull(p, &end, 16);
		if (errno != 0 || tag > UINT_MAX)
			refuse(p, length, "wider than 32 bits");
		if (*end == '!')
			end++;
		if (end != p + length)
			refuse(p, length, "only \"!\" may follow the tag number");
		tags[entries] = (unsigned int)tag;
		nameless[entries++] = end[-1] == '!';
		p = end;
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
