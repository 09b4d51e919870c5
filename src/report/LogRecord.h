#pragma once

// One decoded line of a results log, read on its own: a run's header, a
// line of attempt tokens, the total line, or something else. What a line
// means for the runs around it is the journal's concern.

#include "log/LogFormat.h"

#include <QDate>
#include <QStringView>
#include <QTime>

#include <optional>

namespace zorbiks::report {

struct LogRecord {
    enum Kind {
        Blank,    // nothing but blanks
        Header,   // the start of a run: date, time, surname, perhaps tokens
        BadStamp, // a header whose date or time cannot be
        Total,    // the total line, read or damaged
        Marks,    // any other line: tokens, or text where tokens should be
    };

    Kind kind = Blank;
    QStringView text; // the whole line
    QDate date;       // Header
    QTime time;
    QStringView surname; // Header, as written (blanks not yet tidied)
    // Header: the text after the surname; Marks: the whole line.
    QStringView marks;
    // BadStamp: the date and time as written.
    QStringView stamp;
    std::optional<LogFormat::Total> total; // Total; nullopt when damaged
};

LogRecord parseRecord(QStringView line);

// Whether text that is neither a header nor a total holds a token at its
// start or after a blank.
bool holdsTokens(QStringView text);

// The tokens of a run's text, in order, and the pieces between them that
// are not tokens (blanks and commas between tokens are passed over).
class TokenScanner {
public:
    struct Piece {
        std::optional<LogFormat::Token> token;
        QStringView damage; // when not a token: the piece up to the next token
        bool cut = false;   // that piece ends the text and is a token cut short
    };

    explicit TokenScanner(QStringView text)
        : text_(text)
    {}

    std::optional<Piece> next();

private:
    QStringView text_;
    qsizetype at_ = 0;
};

} // namespace zorbiks::report
