#pragma once

// --help and --version of both programs, answered on the terminal before
// any display is opened: they work on a console, over ssh and at build
// time, where help2man makes the manual pages from them.

#include <QString>

#include <optional>

namespace zorbiks {

// Whether messages on the terminal are English: the locale of messages
// (LC_ALL, LC_MESSAGES or LANG, the first one set, then the first choice of
// LANGUAGE as gettext reads it) is unset, C, POSIX or English. Russian for
// every other locale.
bool englishMessages();

// The first line is "PROGRAM VERSION"; then the copyright and the licence.
QString versionText(const QString &program, bool english);

// When the arguments ask for --help (or -h) or --version, prints the
// answer on the standard output and returns the exit status: 0, or 1 when
// the output cannot be written. nullopt when they ask for neither.
std::optional<int> answerHelpOrVersion(int argc, char *argv[], const QString &program,
                                       QString (*help)(bool english));

} // namespace zorbiks
