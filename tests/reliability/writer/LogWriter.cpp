// A child process of the reliability tests: writes records through the
// results log and says on its standard output, after each write returns,
// the number of the record just written.
//
//   log_writer <log> <spool> <tag> <count> [<unwritable first> [thread]]
//
// Records read "[<tag> <number> К]". The first <unwritable first> records are
// aimed at a folder (they cannot be written there and go to the spool); the
// rest at <log>. With "thread" the log has a writer thread, as in the
// program: a write returns once the record is in the spool, and the records
// follow one another every 5 ms, as a fast pupil's would.

#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "pupil/PupilRecord.h"

#include <QFileInfo>
#include <QString>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: log_writer <log> <spool> <tag> <count> [<unwritable first> "
                             "[thread]]\n");
        return 2;
    }
    const QString log = QString::fromLocal8Bit(argv[1]);
    const QString spool = QString::fromLocal8Bit(argv[2]);
    const QString tag = QString::fromLocal8Bit(argv[3]);
    const int count = std::atoi(argv[4]);
    const int unwritable = argc > 5 ? std::atoi(argv[5]) : 0;
    const bool ownThread = argc > 6 && std::strcmp(argv[6], "thread") == 0;

    zorbiks::PupilRecord pupil;
    zorbiks::FakeSettingsStore settings;
    zorbiks::FakeClock clock;
    zorbiks::ResultsLog results(pupil, settings, clock, log, spool,
                                ownThread ? zorbiks::ResultsLog::Thread::Own
                                          : zorbiks::ResultsLog::Thread::Callers);
    for (int i = 0; i < count; ++i) {
        if (ownThread && i > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        settings.location = i < unwritable ? QFileInfo(log).absolutePath() : log;
        results.writeToken(QStringLiteral("[%1 %2 К]").arg(tag).arg(i, 4, 10, QLatin1Char('0')));
        const QByteArray said = QByteArray::number(i) + '\n';
        if (::write(STDOUT_FILENO, said.constData(), static_cast<size_t>(said.size())) < 0)
            return 1;
    }
    return results.hasPending() ? 3 : 0;
}
