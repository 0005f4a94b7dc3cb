/* SPDX-License-Identifier: MIT */
/* A program that takes nothing but what every C program takes from the C
 * library: what it needs at run time is the C library, whichever it is, and
 * if it starts, the host can start the target's programs. */

int main(void)
{
	return 0;
}
