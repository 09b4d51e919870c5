#include "report/LogRecord.h"

#include <algorithm>

namespace zorbiks::report {

namespace LF = zorbiks::LogFormat;

namespace {

// The next position from `from` where a token begins after a blank, or the
// end of the text.
qsizetype nextToken(QStringView text, qsizetype from)
{
    for (qsizetype j = std::max<qsizetype>(from, 1); j < text.size(); ++j) {
        if (text[j - 1] == u' ' && LF::tokenAt(text, j))
            return j;
    }
    return text.size();
}

} // namespace

LogRecord parseRecord(QStringView line)
{
    LogRecord record;
    record.text = line;
    if (line.trimmed().isEmpty())
        return record;
    switch (LF::parseStamp(line, &record.date, &record.time)) {
    case LF::StampState::Valid: {
        record.kind = LogRecord::Header;
        const QStringView rest = line.mid(LF::stampLength);
        const qsizetype first = nextToken(rest, 0);
        record.surname = rest.left(first);
        record.marks = rest.mid(first);
        return record;
    }
    case LF::StampState::Impossible:
        record.kind = LogRecord::BadStamp;
        record.stamp = line.left(LF::stampLength);
        return record;
    case LF::StampState::NotAStamp: break;
    }
    if (LF::isTotalLine(line)) {
        record.kind = LogRecord::Total;
        record.total = LF::parseTotal(line);
        return record;
    }
    record.kind = LogRecord::Marks;
    record.marks = line;
    return record;
}

bool holdsTokens(QStringView text)
{
    return LF::tokenAt(text, 0) || nextToken(text, 1) < text.size();
}

std::optional<TokenScanner::Piece> TokenScanner::next()
{
    while (at_ < text_.size() && (text_[at_] == u' ' || text_[at_] == u','))
        ++at_;
    if (at_ == text_.size())
        return std::nullopt;
    Piece piece;
    if ((piece.token = LF::tokenAt(text_, at_))) {
        at_ += piece.token->length;
        return piece;
    }
    const qsizetype end = nextToken(text_, at_ + 1);
    piece.damage = text_.mid(at_, end - at_).trimmed();
    piece.cut = end == text_.size() && LF::isTokenStart(piece.damage);
    at_ = end;
    return piece;
}

} // namespace zorbiks::report
