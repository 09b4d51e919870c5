#pragma once

// The bytes of a results log as lines of text.
//
// A log is written in Windows-1251 with CR LF; a copy re-saved by a text
// editor may be UTF-8 (with or without a byte-order mark), UTF-16 with a
// byte-order mark, or have LF line ends. The bytes come in chunks cut
// anywhere; every line is decoded on its own, so a file the program went on
// appending to after an editor saved it as UTF-8 reads whole.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringView>

#include <optional>

namespace zorbiks::report {

// Where the lines go, numbered from 1.
class LineSink {
public:
    virtual void line(qint64 number, QStringView text) = 0;
    // A line longer than LineDecoder::maxLineBytes, dropped unread.
    virtual void overlongLine(qint64 number) = 0;

protected:
    ~LineSink() = default;
};

class LineDecoder {
public:
    // Lines longer than this are dropped as they stream past, never kept.
    static constexpr qsizetype maxLineBytes = 4 * 1024 * 1024;

    explicit LineDecoder(LineSink &sink)
        : sink_(sink)
    {}

    // The next bytes of the file.
    void feed(QByteArrayView bytes);
    // The end of the file: a last line without a line end is handed on.
    void finish();
    // The last line so far while its line end has not come (a record still
    // being written), as the sink would get it once it ends; empty when the
    // bytes fed so far end with a line end.
    QString pendingLine() const;
    // The number of lines handed on so far.
    qint64 linesEnded() const { return number_; }

private:
    void splitUtf16(QByteArrayView bytes);
    void split(QByteArrayView bytes);
    void append(QByteArrayView bytes);
    void endLine(QByteArrayView bytes);

    LineSink &sink_;
    QByteArray head_; // the first two bytes, until it is known whether they are a UTF-16 mark
    bool started_ = false;
    std::optional<QStringDecoder> utf16_;
    QChar heldSurrogate_; // the first half of a pair cut between chunks
    QByteArray buffer_;   // the line so far, when it spans chunks
    bool overlong_ = false;
    qint64 number_ = 0;
};

// One line's bytes (without its line end) as text: ASCII as it is; UTF-8
// when the line holds more whole UTF-8 sequences than bytes that break the
// rules (Cyrillic text in Windows-1251 almost never forms UTF-8); otherwise
// Windows-1251.
QString decodeLine(QByteArrayView bytes);

} // namespace zorbiks::report
