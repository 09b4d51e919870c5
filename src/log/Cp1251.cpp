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
    if (character.unicode() < 128)
        return character.unicode();
    return table().fromUnicode.value(character.unicode(), 63);
}

QChar character(ushort code)
{
    return code < 256 ? table().toUnicode[code] : QChar(QChar::ReplacementCharacter);
}

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(static_cast<char>(code(c)));
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
