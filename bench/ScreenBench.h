#pragma once

#include <QString>

// The in-process benchmarks; `home` is a scratch folder of the bench's own.
void screens(const QString &home);
void sweep(const QString &home);
void logRecord(const QString &home);

// A click on `ОК` to its feedback: `clicks` runs the children below with the
// log on a local disk, on a slow one and locked by another process.
void clicks(const QString &self, const QString &home);
int clickChild(const QString &log, int clicks);
int holdLock(const char *path, int ms);
