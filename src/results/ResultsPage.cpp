#include "results/ResultsPage.h"

#include "log/LogFormat.h"
#include "pupil/PupilRecord.h"

namespace zorbiks::ResultsPage {

Verdict verdictFor(qint16 tasksShown, qint16 correctTotal)
{
    if (tasksShown <= 2)
        return Verdict::TooLittle;
    const float ratio = static_cast<float>(correctTotal) / static_cast<float>(tasksShown);
    if (ratio <= 0.6f)
        return Verdict::Poor;
    if (ratio < 0.85f)
        return Verdict::Fair;
    return Verdict::Good;
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::TooLittle: return QStringLiteral("Почему мало поработали?");
    case Verdict::Poor:
        return QStringLiteral("Результат неважный. Надо ещё позаниматься информатикой!");
    case Verdict::Fair:
        return QStringLiteral("Результат не очень хороший. Надо ещё позаниматься информатикой!");
    case Verdict::Good: return QStringLiteral("Неплохо, но не надо успокаиваться на достигнутом!");
    }
    return {};
}

QString greeting(const QString &pupilName)
{
    const bool feminine =
        pupilName.endsWith(QStringLiteral("а")) || pupilName.endsWith(QStringLiteral("я"));
    return QStringLiteral("Уважаем") + (feminine ? QStringLiteral("ая") : QStringLiteral("ый")) +
           QStringLiteral("  ") + pupilName + QLatin1Char('!');
}

QStringList cutIntoLines(const QString &list, int width)
{
    QStringList lines;
    for (qsizetype start = 0; start < list.size(); start += width)
        lines.append(list.mid(start, width));
    return lines;
}

QStringList printedLines(const QDateTime &now, const PupilRecord &pupil)
{
    QStringList lines;
    lines << QStringLiteral("Результаты работы на Зорбикс");
    lines << now.toString(LogFormat::stampFormat()) + pupil.PupilName +
                 QStringLiteral(", вопросов") + LogFormat::numberText(pupil.TasksShown) +
                 QStringLiteral(", правильных ответов") + LogFormat::numberText(pupil.CorrectTotal);
    lines << QStringLiteral("Неправильные ответы:");
    lines << cutIntoLines(pupil.WrongList);
    lines << QStringLiteral("Правильные ответы:");
    lines << cutIntoLines(pupil.CorrectList);
    return lines;
}

} // namespace zorbiks::ResultsPage
