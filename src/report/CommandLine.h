#pragma once

// zorbiks-report on the command line:
//   zorbiks-report [--csv | --html FILE | --ods FILE] [--from DATE] [--to DATE]
//                  [--pupil NAME] [--question CODE] LOG...
// prints the tables on the terminal, or CSV to the standard output, or
// writes one HTML page or one OpenDocument spreadsheet;
// `zorbiks-report --follow LOG...` prints the "now" table whenever it
// changes. Without arguments (or with --window) the program opens its window
// instead.

#include "report/Summary.h"

#include <QStringList>

#include <optional>

class QIODevice;

namespace zorbiks::report {

struct Options {
    enum class Output { Terminal, Csv, Html, Ods, Window, Follow };
    Output output = Output::Terminal;
    QString file; // of --html and --ods
    Filter filter;
    QStringList logs; // files or folders
};

// The options of the arguments (without the program's name); nullopt and
// the reason in `error` when they cannot be used.
std::optional<Options> parseArguments(const QStringList &arguments, QString *error);
// The usage text, Russian or English.
QString usage(bool english = false);
// A date of the command line: "31.05.2025" or "2025-05-31".
QDate parseDate(const QString &text);

// Reads the logs and writes the report. Exit status: 0 when at least one
// file could be read, 1 when none could.
int runCommandLine(const Options &options, QIODevice &out, QIODevice &err);

} // namespace zorbiks::report
