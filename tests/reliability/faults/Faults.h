/*
 * Faults on the file system, for the reliability tests of the results log.
 *
 * libzorbiks_faults.so takes the place of the C library's open, write,
 * fsync and ftruncate (with their variants: open64, openat, pwrite,
 * fdatasync, ftruncate64 …) and counts, slows or fails the calls made on
 * files whose path contains a given text. It works preloaded into any
 * program (LD_PRELOAD=…/libzorbiks_faults.so zorbiks) or linked into a test
 * program, which then changes its rules with the functions below. The path
 * of a call on a descriptor is what /proc/self/fd/N names.
 *
 * Rules come from the environment variable ZORBIKS_FAULTS when the library
 * is loaded, or from zorbiks_faults_set() at any time: rules separated by
 * ";", each a list of words:
 *
 *   call=NAMES   open, write, fsync, ftruncate, joined by "," (write also
 *                takes pwrite; fsync also fdatasync)
 *   path=TEXT    only calls on files whose path contains TEXT
 *   after=N      leave the first N matching calls alone (default 0)
 *   times=N      act on N calls after those, then on no more (default: all)
 *   sleep=MS     wait MS milliseconds, then make the call
 *   fail=ERROR   do not make the call: return -1 with errno ENOSPC, EIO,
 *                EACCES, EROFS or EINTR
 *   short=N      write at most N bytes (a short count), then return
 *
 * A rule without sleep, fail or short only counts. The first rule that
 * matches a call is the one that counts it and acts on it. Examples:
 *
 *   ZORBIKS_FAULTS="call=fsync path=/share/ sleep=300"
 *       every fsync of a file under /share/ takes 300 ms longer
 *   ZORBIKS_FAULTS="call=write path=log.txt fail=ENOSPC after=1 times=1"
 *       the second write to log.txt fails with a full disk, the rest work
 *   ZORBIKS_FAULTS="call=write,fsync path=spool fail=EIO"
 *       nothing can be written to the spool any more
 *
 * Every call that a rule matches is also written into the trace, one line
 * each, "<call> <rule> <path>" (call: open, write, fsync or ftruncate; rule:
 * its number from 0): into the file named by ZORBIKS_FAULTS_TRACE (appended,
 * so that several processes can share one), and into memory, where
 * zorbiks_faults_trace() reads it.
 */
#ifndef ZORBIKS_FAULTS_H
#define ZORBIKS_FAULTS_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Replaces the rules (an empty text or NULL: none), sets every count to 0
   and empties the trace in memory. Returns the number of rules read, or -1
   when the text has a word it does not know (then there are no rules). */
int zorbiks_faults_set(const char *rules);

/* How many calls rule `rule` matched since the rules were set. */
long zorbiks_faults_hits(int rule);

/* Copies the trace in memory (lines ended by "\n") into `buffer`, cut to
   `size` - 1 bytes and ended by a zero byte; returns its whole length. */
size_t zorbiks_faults_trace(char *buffer, size_t size);

#ifdef __cplusplus
}
#endif

#endif
