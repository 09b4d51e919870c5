/* Faults on the file system for the reliability tests: see Faults.h. */
#define _GNU_SOURCE
#include "Faults.h"

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>

enum Call { OPEN = 1, WRITE = 2, FSYNC = 4, FTRUNCATE = 8 };
enum Action { COUNT, SLEEP, FAIL, SHORT };

#define MAX_RULES 16
#define MAX_TEXT 512
#define MAX_TRACE (8 << 20)

struct Rule {
    int calls;
    char path[MAX_TEXT];
    long after;
    long times; /* < 0: every one */
    enum Action action;
    long value; /* milliseconds, errno or bytes */
    long hits;
};

static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static struct Rule rules[MAX_RULES];
static int ruleCount;
static int watchedCalls; /* the calls some rule names */
static char *trace;
static size_t traceLength;
static int traceFile = -1;
static __thread int inside; /* the library's own calls pass untouched */

/* ---- the C library's own functions ------------------------------------ */

#define REAL(name, type)                                                                       \
    static type real_##name(void)                                                              \
    {                                                                                          \
        static type function;                                                                  \
        type found = __atomic_load_n(&function, __ATOMIC_ACQUIRE);                             \
        if (!found) {                                                                          \
            found = (type)dlsym(RTLD_NEXT, #name);                                             \
            __atomic_store_n(&function, found, __ATOMIC_RELEASE);                              \
        }                                                                                      \
        return found;                                                                          \
    }

typedef int (*OpenFunction)(const char *, int, ...);
typedef int (*OpenAtFunction)(int, const char *, int, ...);
typedef ssize_t (*WriteFunction)(int, const void *, size_t);
typedef ssize_t (*PwriteFunction)(int, const void *, size_t, off_t);
typedef int (*SyncFunction)(int);
typedef int (*TruncateFunction)(int, off_t);

REAL(open, OpenFunction)
REAL(open64, OpenFunction)
REAL(openat, OpenAtFunction)
REAL(openat64, OpenAtFunction)
REAL(write, WriteFunction)
REAL(pwrite, PwriteFunction)
REAL(pwrite64, PwriteFunction)
REAL(fsync, SyncFunction)
REAL(fdatasync, SyncFunction)
REAL(ftruncate, TruncateFunction)
REAL(ftruncate64, TruncateFunction)

/* ---- rules --------------------------------------------------------------- */

static int errorNamed(const char *name)
{
    static const struct {
        const char *name;
        int value;
    } known[] = {{"ENOSPC", ENOSPC}, {"EIO", EIO}, {"EACCES", EACCES}, {"EROFS", EROFS},
                 {"EINTR", EINTR}};
    for (size_t i = 0; i < sizeof known / sizeof known[0]; ++i) {
        if (strcmp(name, known[i].name) == 0)
            return known[i].value;
    }
    return 0;
}

static int callsNamed(char *names)
{
    int calls = 0;
    for (char *save = NULL, *name = strtok_r(names, ",", &save); name;
         name = strtok_r(NULL, ",", &save)) {
        if (strcmp(name, "open") == 0)
            calls |= OPEN;
        else if (strcmp(name, "write") == 0)
            calls |= WRITE;
        else if (strcmp(name, "fsync") == 0)
            calls |= FSYNC;
        else if (strcmp(name, "ftruncate") == 0)
            calls |= FTRUNCATE;
        else
            return -1;
    }
    return calls;
}

/* One rule from its words; 0 when a word is not known. */
static int readRule(char *text, struct Rule *rule)
{
    memset(rule, 0, sizeof *rule);
    rule->times = -1;
    for (char *save = NULL, *word = strtok_r(text, " \t\n", &save); word;
         word = strtok_r(NULL, " \t\n", &save)) {
        char *value = strchr(word, '=');
        if (!value)
            return 0;
        *value++ = '\0';
        if (strcmp(word, "call") == 0) {
            rule->calls = callsNamed(value);
            if (rule->calls <= 0)
                return 0;
        } else if (strcmp(word, "path") == 0) {
            snprintf(rule->path, sizeof rule->path, "%s", value);
        } else if (strcmp(word, "after") == 0) {
            rule->after = atol(value);
        } else if (strcmp(word, "times") == 0) {
            rule->times = atol(value);
        } else if (strcmp(word, "sleep") == 0) {
            rule->action = SLEEP;
            rule->value = atol(value);
        } else if (strcmp(word, "fail") == 0) {
            rule->action = FAIL;
            rule->value = errorNamed(value);
            if (!rule->value)
                return 0;
        } else if (strcmp(word, "short") == 0) {
            rule->action = SHORT;
            rule->value = atol(value);
        } else {
            return 0;
        }
    }
    return rule->calls != 0;
}

int zorbiks_faults_set(const char *text)
{
    ++inside;
    char *copy = strdup(text ? text : "");
    struct Rule read[MAX_RULES];
    int count = 0;
    int ok = copy != NULL;
    for (char *save = NULL, *part = copy ? strtok_r(copy, ";", &save) : NULL; ok && part;
         part = strtok_r(NULL, ";", &save)) {
        if (strspn(part, " \t\n") == strlen(part))
            continue;
        ok = count < MAX_RULES && readRule(part, &read[count]);
        ++count;
    }
    free(copy);
    pthread_mutex_lock(&lock);
    ruleCount = ok ? count : 0;
    memcpy(rules, read, sizeof(struct Rule) * (size_t)ruleCount);
    int calls = 0;
    for (int i = 0; i < ruleCount; ++i)
        calls |= rules[i].calls;
    __atomic_store_n(&watchedCalls, calls, __ATOMIC_RELEASE);
    traceLength = 0;
    pthread_mutex_unlock(&lock);
    --inside;
    return ok ? count : -1;
}

long zorbiks_faults_hits(int rule)
{
    pthread_mutex_lock(&lock);
    const long hits = rule >= 0 && rule < ruleCount ? rules[rule].hits : 0;
    pthread_mutex_unlock(&lock);
    return hits;
}

size_t zorbiks_faults_trace(char *buffer, size_t size)
{
    pthread_mutex_lock(&lock);
    const size_t length = traceLength;
    if (size > 0) {
        const size_t copied = length < size - 1 ? length : size - 1;
        if (copied)
            memcpy(buffer, trace, copied);
        buffer[copied] = '\0';
    }
    pthread_mutex_unlock(&lock);
    return length;
}

__attribute__((constructor)) static void readEnvironment(void)
{
    const char *file = getenv("ZORBIKS_FAULTS_TRACE");
    if (file && *file)
        traceFile = real_open()(file, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    const char *text = getenv("ZORBIKS_FAULTS");
    if (text && zorbiks_faults_set(text) < 0)
        fprintf(stderr, "zorbiks faults: cannot read ZORBIKS_FAULTS=\"%s\"\n", text);
}

/* ---- the decision for one call ----------------------------------------- */

static const char *callName(int call)
{
    switch (call) {
    case OPEN: return "open";
    case WRITE: return "write";
    case FSYNC: return "fsync";
    default: return "ftruncate";
    }
}

static void addToTrace(int call, int rule, const char *path)
{
    char line[MAX_TEXT + 32];
    const int length = snprintf(line, sizeof line, "%s %d %s\n", callName(call), rule, path);
    if (length <= 0)
        return;
    const size_t size = (size_t)length < sizeof line ? (size_t)length : sizeof line - 1;
    if (traceLength + size <= MAX_TRACE) {
        char *grown = realloc(trace, traceLength + size);
        if (grown) {
            trace = grown;
            memcpy(trace + traceLength, line, size);
            traceLength += size;
        }
    }
    if (traceFile >= 0)
        (void)real_write()(traceFile, line, size);
}

struct Verdict {
    enum Action action;
    long value;
};

/* What to do with a call on `path` (NULL: the path of `fd`). */
static struct Verdict decide(int call, int fd, const char *path)
{
    struct Verdict verdict = {COUNT, 0};
    if (inside || !(__atomic_load_n(&watchedCalls, __ATOMIC_ACQUIRE) & call))
        return verdict;
    ++inside;
    char named[MAX_TEXT];
    if (!path) {
        char link[64];
        snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        const ssize_t length = readlink(link, named, sizeof named - 1);
        named[length > 0 ? length : 0] = '\0';
        path = named;
    }
    pthread_mutex_lock(&lock);
    for (int i = 0; i < ruleCount; ++i) {
        struct Rule *rule = &rules[i];
        if (!(rule->calls & call) || !strstr(path, rule->path))
            continue;
        const long index = rule->hits++;
        addToTrace(call, i, path);
        if (index >= rule->after && (rule->times < 0 || index < rule->after + rule->times)) {
            verdict.action = rule->action;
            verdict.value = rule->value;
        }
        break;
    }
    pthread_mutex_unlock(&lock);
    if (verdict.action == SLEEP) {
        const struct timespec pause = {verdict.value / 1000, (verdict.value % 1000) * 1000000L};
        nanosleep(&pause, NULL);
    }
    --inside;
    return verdict;
}

/* Fails the call when the verdict says so. */
#define FAIL_IF_TOLD(verdict)                                                                  \
    do {                                                                                       \
        if ((verdict).action == FAIL) {                                                        \
            errno = (int)(verdict).value;                                                      \
            return -1;                                                                         \
        }                                                                                      \
    } while (0)

static size_t cut(struct Verdict verdict, size_t count)
{
    return verdict.action == SHORT && (size_t)verdict.value < count ? (size_t)verdict.value
                                                                     : count;
}

/* ---- the functions taken over ---------------------------------------- */

static mode_t modeOf(int flags, va_list arguments)
{
    return (flags & (O_CREAT | O_TMPFILE)) ? (mode_t)va_arg(arguments, int) : 0;
}

int open(const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    const struct Verdict verdict = decide(OPEN, -1, path);
    FAIL_IF_TOLD(verdict);
    return real_open()(path, flags, mode);
}

int open64(const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    const struct Verdict verdict = decide(OPEN, -1, path);
    FAIL_IF_TOLD(verdict);
    return real_open64()(path, flags, mode);
}

int openat(int folder, const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    const struct Verdict verdict = decide(OPEN, -1, path);
    FAIL_IF_TOLD(verdict);
    return real_openat()(folder, path, flags, mode);
}

int openat64(int folder, const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    const struct Verdict verdict = decide(OPEN, -1, path);
    FAIL_IF_TOLD(verdict);
    return real_openat64()(folder, path, flags, mode);
}

ssize_t write(int fd, const void *data, size_t count)
{
    const struct Verdict verdict = decide(WRITE, fd, NULL);
    FAIL_IF_TOLD(verdict);
    return real_write()(fd, data, cut(verdict, count));
}

ssize_t pwrite(int fd, const void *data, size_t count, off_t at)
{
    const struct Verdict verdict = decide(WRITE, fd, NULL);
    FAIL_IF_TOLD(verdict);
    return real_pwrite()(fd, data, cut(verdict, count), at);
}

ssize_t pwrite64(int fd, const void *data, size_t count, off_t at)
{
    const struct Verdict verdict = decide(WRITE, fd, NULL);
    FAIL_IF_TOLD(verdict);
    return real_pwrite64()(fd, data, cut(verdict, count), at);
}

int fsync(int fd)
{
    const struct Verdict verdict = decide(FSYNC, fd, NULL);
    FAIL_IF_TOLD(verdict);
    return real_fsync()(fd);
}

int fdatasync(int fd)
{
    const struct Verdict verdict = decide(FSYNC, fd, NULL);
    FAIL_IF_TOLD(verdict);
    return real_fdatasync()(fd);
}

int ftruncate(int fd, off_t length)
{
    const struct Verdict verdict = decide(FTRUNCATE, fd, NULL);
    FAIL_IF_TOLD(verdict);
    return real_ftruncate()(fd, length);
}

int ftruncate64(int fd, off_t length)
{
    const struct Verdict verdict = decide(FTRUNCATE, fd, NULL);
    FAIL_IF_TOLD(verdict);
    return real_ftruncate64()(fd, length);
}
