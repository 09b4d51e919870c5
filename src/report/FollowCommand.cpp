#include "report/FollowCommand.h"

#include "platform/Services.h"
#include "report/LogFollower.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace zorbiks::report {

bool NowPrinter::print(const NowTable &table)
{
    if (printed_ && table.cells == last_)
        return false;
    QString text = nowText(table);
    if (clearScreen_)
        text.prepend(QStringLiteral("\x1b[H\x1b[2J")); // cursor home, clear the screen
    else if (printed_)
        text.prepend(QLatin1Char('\n'));
    out_.write(text.toUtf8());
    if (auto *file = qobject_cast<QFile *>(&out_))
        file->flush();
    printed_ = true;
    last_ = table.cells;
    return true;
}

bool isTerminal(const QIODevice &device)
{
    const auto *file = qobject_cast<const QFile *>(&device);
    return file && file->handle() >= 0 && ::isatty(file->handle());
}

int followInTerminal(const QStringList &paths, QIODevice &out, QIODevice &err, const Clock &clock)
{
    for (const QString &path : paths)
        if (!QFileInfo::exists(path))
            err.write(QStringLiteral("%1: пока нет — таблица покажет его, когда он появится\n")
                          .arg(path)
                          .toUtf8());
    LogFollower follower(clock);
    follower.follow(paths);
    FollowWatcher watcher(follower);
    NowPrinter printer(out, isTerminal(out));
    QObject::connect(&watcher, &FollowWatcher::checked,
                     [&] { printer.print(nowTable(follower, clock.now())); });
    watcher.start();
    return QCoreApplication::exec();
}

} // namespace zorbiks::report
