#pragma once

// The file system faults of one test (faults/Faults.h): set when made,
// gone when it ends. test_reliability links the fault library, so its rules
// act on every call of this process; programs it starts take them through
// LD_PRELOAD (faultLibrary()) and ZORBIKS_FAULTS.

#include "reliability/faults/Faults.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace zorbiks::test {

class FaultRules {
public:
    explicit FaultRules(const QString &rules)
    {
        if (zorbiks_faults_set(rules.toUtf8().constData()) < 0)
            qFatal("fault rules not understood: %s", qPrintable(rules));
    }
    ~FaultRules() { zorbiks_faults_set(nullptr); }
    FaultRules(const FaultRules &) = delete;
    FaultRules &operator=(const FaultRules &) = delete;

    // How many calls rule `rule` (from 0) matched.
    long hits(int rule) const { return zorbiks_faults_hits(rule); }
    // The calls matched, in order, as "<call> <rule> <path>".
    QStringList trace() const
    {
        QByteArray text(static_cast<qsizetype>(zorbiks_faults_trace(nullptr, 0)) + 1, '\0');
        zorbiks_faults_trace(text.data(), static_cast<size_t>(text.size()));
        return QString::fromLocal8Bit(text.constData())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

inline QString faultLibrary()
{
    return QStringLiteral(ZORBIKS_FAULTS_LIBRARY);
}

// The environment of a program started with `rules` in force.
inline QProcessEnvironment environmentWithFaults(const QString &rules)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString preloaded = environment.value(QStringLiteral("LD_PRELOAD"));
    environment.insert(QStringLiteral("LD_PRELOAD"),
                       preloaded.isEmpty() ? faultLibrary()
                                           : preloaded + QLatin1Char(':') + faultLibrary());
    environment.insert(QStringLiteral("ZORBIKS_FAULTS"), rules);
    return environment;
}

} // namespace zorbiks::test
