#pragma once

// The single-byte Cyrillic code page Windows-1251, in which the key rules
// and the results log are written: А…Я = 192…223, а…я = 224…255, Ё = 168,
// ё = 184, ASCII below 128.

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>

namespace zorbiks::Cp1251 {

// The code of a character; a character the code page lacks gives 63 ("?").
ushort code(QChar character);
QChar character(ushort code);

QByteArray encode(const QString &text);
// Bytes of the code page as text, one character per byte, in one pass over
// the buffer.
QString decode(QByteArrayView bytes);

} // namespace zorbiks::Cp1251
