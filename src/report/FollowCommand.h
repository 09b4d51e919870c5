#pragma once

// `zorbiks-report --follow PATH…`: the "now" table on a terminal or a
// projector, printed again whenever it changes, until the program is ended
// (Ctrl+C). On a terminal the screen is cleared before each table; into a
// file or a pipe the tables follow one another.

#include "report/NowTable.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace zorbiks {
class Clock;
}

namespace zorbiks::report {

class NowPrinter {
public:
    NowPrinter(QIODevice &out, bool clearScreen)
        : out_(out)
        , clearScreen_(clearScreen)
    {}

    // Prints the table when its rows differ from the last printed (the
    // time at its head alone does not count). True when it printed.
    bool print(const NowTable &table);

private:
    QIODevice &out_;
    bool clearScreen_;
    bool printed_ = false;
    QList<QStringList> last_;
};

// Whether the device is a terminal.
bool isTerminal(const QIODevice &device);

// Follows the paths until the program is ended; runs the event loop.
int followInTerminal(const QStringList &paths, QIODevice &out, QIODevice &err, const Clock &clock);

} // namespace zorbiks::report
