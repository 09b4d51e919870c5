#include "log/ResultsLog.h"

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "platform/Services.h"
#include "pupil/PupilRecord.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>

namespace zorbiks {

ResultsLog::ResultsLog(PupilRecord &pupil, SettingsStore &settings, Clock &clock,
                       QString defaultLocation, QString spoolLocation)
    : pupil_(pupil)
    , settings_(settings)
    , clock_(clock)
    , defaultLocation_(std::move(defaultLocation))
    , spool_(std::move(spoolLocation))
    , pendingCount_(std::max(spool_.count(defaultLockWaitMs), 0))
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
    const QByteArray bytes = Cp1251::encode(record);
    if (pendingCount_ == 0 && appendDurably(pupil_.LogPath, bytes, lockWaitMs_))
        return;
    // Right after a failed write there is no point in trying the file again;
    // with records pending, they go first and this one after them.
    keep(bytes, pendingCount_ == 0 ? QString() : pupil_.LogPath);
}

bool ResultsLog::keep(const QByteArray &record, const QString &path)
{
    if (!record.isEmpty())
        unspooled_.append(record);
    const int spooled = spool_.keepAndDeliver(unspooled_, path, lockWaitMs_);
    if (spooled <= 0 && !path.isEmpty() && !unspooled_.isEmpty()) {
        // The spool could not take them: they wait in memory, and go to the
        // log after the spooled ones, as soon as it takes them.
        QByteArray bytes;
        for (const QByteArray &kept : std::as_const(unspooled_))
            bytes += kept;
        if (appendDurably(path, bytes, lockWaitMs_))
            unspooled_.clear();
    }
    pendingCount_ = std::max(spooled, 0) + static_cast<int>(unspooled_.size());
    return pendingCount_ == 0;
}

bool ResultsLog::retryPending()
{
    if (pendingCount_ == 0)
        return true;
    return keep(QByteArray(), location()) || keep(QByteArray(), defaultLocation_);
}

} // namespace zorbiks
