#pragma once

// Measuring text and laying out one paragraph of it in lines of a given
// width.

#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

#include <functional>

class QFont;

namespace zorbiks {

// Lays the layout's text out with `option` in lines of `width`, one under
// the other from the top left corner; returns the height of all lines.
double layOutLines(QTextLayout &layout, const QTextOption &option, double width);

// The width of the widest line of a laid-out layout.
double naturalWidth(const QTextLayout &layout);

// The width (pixels) of the widest of `texts` in `font`: the room a label
// needs for whichever of them it shows.
double widestText(const QStringList &texts, const QFont &font);

// The texts a field of every row of a table holds (a member or a function
// of the row, a text or a number): the values of a label that shows it.
inline QString asText(const QString &text)
{
    return text;
}
inline QString asText(int number)
{
    return QString::number(number);
}
template <typename Table, typename Field> QStringList textsOf(const Table &table, Field field)
{
    QStringList texts;
    for (const auto &row : table)
        texts << asText(std::invoke(field, row));
    return texts;
}

// A paragraph of a text: the text between two line ends (a CR before the
// LF left out).
struct Paragraph {
    qsizetype start; // index of its first character in the whole text
    QString text;
};
QList<Paragraph> paragraphsOf(const QString &text);

bool isBlank(QChar c);
bool endsLine(QChar c);
// Marks that stand against the word before them, and those that stand
// against the word after them.
bool isClosingMark(QChar c);
bool isOpeningMark(QChar c);

// A gap of `length` blanks from `start` made `width` wide: each of its
// blanks gets an equal share.
QTextLayout::FormatRange gapFormat(qsizetype start, qsizetype length, double width,
                                   const QFont &font);

// The decimal texts of low … high: what a label may show when it shows one
// of those numbers.
QStringList numberTexts(int low, int high);

} // namespace zorbiks
