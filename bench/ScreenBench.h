#pragma once

#include <QString>

// The in-process benchmarks; `home` is a scratch folder of the bench's own.
void screens(const QString &home);
void sweep(const QString &home);
void logRecord(const QString &home);
