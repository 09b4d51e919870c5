#pragma once

// Marks of a benchmark child: a line "<name> <nanoseconds on the monotonic
// clock>" on the standard output at each step of its start and end, written
// at once (the child may end without flushing anything).

#include <ctime>
#include <stdio.h>

inline void mark(const char *name)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    dprintf(1, "%s %lld\n", name, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
}
