#include "log/LogLocation.h"

#include <QSettings>
#include <QStandardPaths>

namespace zorbiks {

QString storedLogLocation(const QString &application)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application,
                             application);
    return settings.value(QStringLiteral("Position/secr")).toString();
}

QString programLogLocation(const QString &application)
{
    const QString stored = storedLogLocation(application);
    if (!stored.isEmpty())
        return stored;
    const QString fromEnvironment = qEnvironmentVariable("ZORBIKS_DEFAULT_LOG");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1Char('/') + application + QStringLiteral("/Zorbiks.txt");
}

} // namespace zorbiks
