#include "pupil/PupilRecord.h"

namespace zorbiks {

void PupilRecord::flushCorrect(const QString &code, qint16 count)
{
    if (count > 1)
        CorrectList += QLatin1Char(' ') + QString::number(count) + code;
    else if (count == 1)
        CorrectList += QLatin1Char(' ') + code;
}

void PupilRecord::flushWrong(const QString &prefix, qint16 count)
{
    if (count > 0)
        WrongList += prefix + QString::number(count) + QLatin1Char(' ');
}

void PupilRecord::flushGiveUp(const QString &prefix, qint16 wrongCount)
{
    if (wrongCount == 0)
        WrongList += prefix + QStringLiteral("0 ");
    else
        WrongList += prefix + QString::number(wrongCount) + QStringLiteral("/0 ");
}

void PupilRecord::flushShortcutToResults(const QString &code, qint16 wrongCount)
{
    const QString entry = code + QLatin1Char('/') + QString::number(wrongCount);
    WrongList += WrongList.isEmpty() ? entry : QStringLiteral(", ") + entry;
}

} // namespace zorbiks
