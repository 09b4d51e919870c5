#include "exercise/Exercise.h"

#include <QWidget>

namespace zorbiks {

Exercise::Exercise(ExerciseTraits traits)
    : traits_(std::move(traits))
{}

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

void Exercise::resetOptions(const QList<ChoiceOption> &options)
{
    for (const ChoiceOption &option : options) {
        option.control->show();
        option.control->setEnabled(true);
        if (option.companion)
            option.companion->show();
    }
}

bool Exercise::tokenBlank(Attempt attempt, int) const
{
    switch (attempt) {
    case Attempt::Correct: return traits_.log.correctBlank;
    case Attempt::Wrong: return traits_.log.wrongBlank;
    case Attempt::GiveUp: return true;
    }
    return true;
}

} // namespace zorbiks
