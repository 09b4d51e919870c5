#include "log/ResultsLog.h"

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "platform/Services.h"
#include "pupil/PupilRecord.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace zorbiks {

ResultsLog::ResultsLog(PupilRecord &pupil, SettingsStore &settings, Clock &clock,
                       QString defaultLocation, QString spoolLocation, Thread thread)
    : pupil_(pupil)
    , settings_(settings)
    , clock_(clock)
    , defaultLocation_(std::move(defaultLocation))
    , writer_(spoolLocation, thread)
{}

QString ResultsLog::defaultLocationOfThisSystem()
{
    const QString fromEnvironment = qEnvironmentVariable("ZORBIKS_DEFAULT_LOG");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("Zorbiks.txt"));
}

QString ResultsLog::spoolLocationOfThisSystem()
{
    const QString fromEnvironment = qEnvironmentVariable("ZORBIKS_SPOOL");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("pending-records"));
}

QString ResultsLog::location() const
{
    const QString stored = settings_.logLocation();
    return stored.isEmpty() ? defaultLocation_ : stored;
}

QString ResultsLog::numberText(int value)
{
    return LogFormat::numberText(value);
}

QString ResultsLog::totalLine(const PupilRecord &pupil)
{
    return LogFormat::totalLine(pupil.TasksShown, pupil.CorrectTotal, pupil.CorrectList,
                                pupil.WrongList);
}

void ResultsLog::writeHeader()
{
    write(LogFormat::headerRecord(clock_.now(), pupil_.PupilName));
}

void ResultsLog::writeToken(const QString &token)
{
    write(token);
}

void ResultsLog::writeTotal()
{
    write(LogFormat::totalRecord(pupil_.TasksShown, pupil_.CorrectTotal, pupil_.CorrectList,
                                 pupil_.WrongList));
}

void ResultsLog::write(const QString &record)
{
    pupil_.LogPath = location();
    writer_.write(Cp1251::encode(record), pupil_.LogPath);
}

bool ResultsLog::retryPending()
{
    if (!hasPending())
        return true;
    writer_.retry(location(), defaultLocation_);
    return !hasPending();
}

} // namespace zorbiks
