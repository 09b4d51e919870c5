#include "report/LineDecoder.h"

#include "log/Cp1251.h"

#include <algorithm>
#include <utility>

namespace zorbiks::report {

namespace {

bool isAscii(QByteArrayView bytes)
{
    for (const char byte : bytes)
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    return true;
}

bool looksLikeUtf8(QByteArrayView bytes)
{
    qsizetype good = 0;
    qsizetype bad = 0;
    qsizetype i = 0;
    const qsizetype size = bytes.size();
    while (i < size) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        if (c >= 0xC2 && c <= 0xDF)
            length = 2;
        else if (c >= 0xE0 && c <= 0xEF)
            length = 3;
        else if (c >= 0xF0 && c <= 0xF4)
            length = 4;
        bool whole = length > 0 && i + length <= size;
        for (int k = 1; whole && k < length; ++k)
            whole = (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80;
        if (whole) {
            ++good;
            i += length;
        } else {
            ++bad;
            ++i;
        }
    }
    return good > bad;
}

// A line's bytes without its CR and, on the first line, without a UTF-8 mark.
QByteArrayView lineText(QByteArrayView bytes, qint64 number)
{
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    if (number == 1 && bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return bytes;
}

} // namespace

QString decodeLine(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (looksLikeUtf8(bytes))
        return QString::fromUtf8(bytes);
    return Cp1251::decode(bytes);
}

void LineDecoder::feed(QByteArrayView bytes)
{
    if (!started_) {
        // A UTF-16 byte-order mark (a text editor's "Unicode") is the first
        // two bytes, which may come in two chunks. Such a file is turned
        // into UTF-8 on the way.
        const qsizetype taken = std::min<qsizetype>(2 - head_.size(), bytes.size());
        head_.append(bytes.first(taken));
        bytes = bytes.sliced(taken);
        if (head_.size() < 2)
            return;
        started_ = true;
        if (head_ == "\xFF\xFE" || head_ == "\xFE\xFF")
            utf16_.emplace(head_[0] == '\xFF' ? QStringConverter::Utf16LE
                                              : QStringConverter::Utf16BE);
        feed(head_);
    }
    if (utf16_)
        splitUtf16(bytes);
    else
        split(bytes);
}

// UTF-16 goes on as UTF-8. A pair of surrogates cut between two chunks
// waits until it is whole.
void LineDecoder::splitUtf16(QByteArrayView bytes)
{
    QString text = utf16_->decode(bytes);
    if (!heldSurrogate_.isNull())
        text.prepend(std::exchange(heldSurrogate_, QChar()));
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        heldSurrogate_ = text.back();
        text.chop(1);
    }
    split(text.toUtf8());
}

void LineDecoder::finish()
{
    if (!started_) {
        started_ = true; // a file of one byte
        split(head_);
    }
    if (!heldSurrogate_.isNull())
        split(QString(std::exchange(heldSurrogate_, QChar())).toUtf8());
    if (!buffer_.isEmpty() || overlong_) {
        endLine(buffer_);
        buffer_.clear();
    }
}

// Splits at LF. A line that lies whole in the bytes is decoded where it
// lies; the start of a line that goes on in the next chunk is kept.
void LineDecoder::split(QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        if (end < 0) {
            append(bytes);
            return;
        }
        if (buffer_.isEmpty() && !overlong_ && end <= maxLineBytes) {
            endLine(bytes.first(end));
        } else {
            append(bytes.first(end));
            endLine(buffer_);
            buffer_.clear();
        }
        bytes = bytes.sliced(end + 1);
    }
}

// A line longer than the limit is dropped as it streams past.
void LineDecoder::append(QByteArrayView bytes)
{
    if (overlong_)
        return;
    if (buffer_.size() + bytes.size() > maxLineBytes) {
        overlong_ = true;
        buffer_.clear();
        return;
    }
    buffer_.append(bytes);
}

void LineDecoder::endLine(QByteArrayView bytes)
{
    ++number_;
    if (overlong_) {
        overlong_ = false;
        sink_.overlongLine(number_);
        return;
    }
    sink_.line(number_, decodeLine(lineText(bytes, number_)));
}

QString LineDecoder::pendingLine() const
{
    if (overlong_ || buffer_.isEmpty())
        return {};
    return decodeLine(lineText(buffer_, number_ + 1));
}

} // namespace zorbiks::report
