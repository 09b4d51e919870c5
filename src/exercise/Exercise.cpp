#include "exercise/Exercise.h"

#include "log/LogFormat.h"

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
    switch (attempt) {
    case Attempt::Correct:
        return LogFormat::token(traits_.code, LogFormat::Mark::Yes, traits_.correctTokenBlank);
    case Attempt::Wrong:
        return LogFormat::token(traits_.code, LogFormat::Mark::No, traits_.wrongTokenBlank);
    case Attempt::GiveUp: return LogFormat::token(traits_.code, LogFormat::Mark::Skip);
    }
    return {};
}

} // namespace zorbiks
