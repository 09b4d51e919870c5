#include "exercise/ResultsLog.h"

#include "exercise/LogFormat.h"
#include "platform/Services.h"
#include "pupil/Cp1251.h"
#include "pupil/PupilRecord.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbiks {

namespace {

const QString lineEnd = QStringLiteral("\r\n");

} // namespace

bool appendDurably(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat before {};
    const bool sized = ::fstat(fd, &before) == 0;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    bool ok = written == bytes.size() && ::fsync(fd) == 0;
    if (!ok && written > 0 && sized) {
        // Take a half-written record back, unless another copy of the
        // program has appended meanwhile.
        struct stat after {};
        if (::fstat(fd, &after) == 0 && after.st_size == before.st_size + written)
            (void)::ftruncate(fd, before.st_size);
    }
    if (::close(fd) != 0)
        ok = false;
    return ok;
}

ResultsLog::ResultsLog(PupilRecord &pupil, SettingsStore &settings, Clock &clock,
                       QString defaultLocation)
    : pupil_(pupil)
    , settings_(settings)
    , clock_(clock)
    , defaultLocation_(std::move(defaultLocation))
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
    pending_.append(Cp1251::encode(record));
    writePending(pupil_.LogPath);
}

bool ResultsLog::writePending(const QString &path)
{
    QByteArray bytes;
    for (const QByteArray &record : pending_)
        bytes += record;
    if (!appendDurably(path, bytes))
        return false;
    pending_.clear();
    return true;
}

bool ResultsLog::retryPending()
{
    if (pending_.isEmpty())
        return true;
    return writePending(location()) || writePending(defaultLocation_);
}

} // namespace zorbiks
