#include "log/Cp1251.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace zorbiks::Cp1251 {

namespace {

struct Table {
    std::array<QChar, 256> toUnicode;
    QHash<char16_t, ushort> fromUnicode;

    Table()
    {
        QStringDecoder decoder("windows-1251");
        for (int code = 0; code < 256; ++code) {
            const char byte = static_cast<char>(code);
            const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
            const QChar unicode = decoded.size() == 1 ? decoded.at(0) : QChar(code);
            toUnicode[code] = unicode;
            fromUnicode.insert(unicode.unicode(), static_cast<ushort>(code));
        }
    }
};

const Table &table()
{
    static const Table instance;
    return instance;
}

} // namespace

ushort code(QChar character)
{
    const char16_t unicode = character.unicode();
    if (unicode < 128)
        return unicode;
    // А to я stand in one run in both.
    if (unicode >= u'\u0410' && unicode <= u'\u044F')
        return static_cast<ushort>(unicode - u'\u0410' + 0xC0);
    return table().fromUnicode.value(unicode, 63);
}

QChar character(ushort code)
{
    return code < 256 ? table().toUnicode[code] : QChar(QChar::ReplacementCharacter);
}

QByteArray encode(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text)
        *out++ = static_cast<char>(code(c));
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    const std::array<QChar, 256> &toUnicode = table().toUnicode;
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = toUnicode[static_cast<uchar>(byte)];
    return text;
}

} // namespace zorbiks::Cp1251
