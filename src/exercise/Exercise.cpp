#include "exercise/Exercise.h"

namespace zorbiks {

Exercise::Exercise(ExerciseTraits traits)
    : traits_(std::move(traits))
{
    if (traits_.windowTitle.isEmpty())
        traits_.windowTitle =
            QStringLiteral("Вопрос %1 (%2)").arg(traits_.code, sectionNames(section()).title);
}

bool Exercise::isCorrect(const QString &) const
{
    return false;
}

KeyVerdict Exercise::filterKey(ushort code, qint16) const
{
    return {code, {}, {}};
}

int Exercise::correctOption() const
{
    return 0;
}

QString Exercise::logToken(Attempt attempt, int) const
{
    const QString head = QLatin1Char(' ') + traits_.code;
    switch (attempt) {
    case Attempt::Correct:
        return head +
               (traits_.correctTokenBlank ? QStringLiteral(" - да, ") : QStringLiteral(" - да,"));
    case Attempt::Wrong:
        return head +
               (traits_.wrongTokenBlank ? QStringLiteral(" - нет, ") : QStringLiteral(" - нет,"));
    case Attempt::GiveUp: return head + QStringLiteral(" - пропуск, ");
    }
    return {};
}

} // namespace zorbiks
