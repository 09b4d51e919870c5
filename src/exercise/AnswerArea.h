#pragma once

// Where the pupil answers on an exercise screen: the typed answer row
// (TypedAnswers) or the choice answers (ChoiceAnswers). ExerciseScreen runs
// the shared flow and tells its area what has happened; the area tells the
// screen what the pupil has done.

#include "exercise/Exercise.h"
#include "screen/ScreenContext.h"
#include "screen/ScreenLayout.h"

#include <QObject>

namespace zorbiks {

class WindowsKeyGuard;

// The screen's parts an answer area works with.
struct AnswerParts {
    QWidget *screen; // the parent of the area's controls
    ScreenContext context;
    Exercise &exercise;
    QWidget *task;          // `Задание`
    QWidget *exitIcon;      // `Image1`
    QWidget *keySink;       // `Text1`
    WindowsKeyGuard *guard; // sees the keys released in the area
};

class AnswerArea : public QObject {
    Q_OBJECT
public:
    explicit AnswerArea(const AnswerParts &parts)
        : QObject(parts.screen)
        , parts_(parts)
        , traits_(parts.exercise.traits())
    {}

    // Once, after the exercise has filled the frames.
    virtual void viewBuilt(const ExerciseView &view) = 0;
    // The area's sizes into the layout's input; its places out of the result.
    virtual void measure(ScreenLayout::ExerciseInput &in, const ScreenMetrics &m) const = 0;
    virtual void place(const ScreenLayout::ExerciseGeometry &g, const ScreenMetrics &m) = 0;
    // The show step, before the new task is drawn.
    virtual void showStep() = 0;
    // After the shared part of the answer to an attempt.
    virtual void answeredRightly(int option) = 0;
    virtual void answeredWrongly(int option) = 0;
    // The task is put away (`Повтор`, `Меню`, `Вопросы`, `Сдаюсь`);
    // `focus`: the next task follows at once on this screen.
    virtual void putAway(bool focus) = 0;
    virtual void restColours() = 0;

signals:
    // An answer given: right or wrong, with the option clicked (0 when typed).
    void attempted(bool right, int option);
    // A warning for the feedback line, said with the sound "нет".
    void warned(const QString &text);
    void gaveUp();
    void shortcutToResults();
    // The pointer has moved where everything is put at rest.
    void restRequested();

protected:
    AnswerParts parts_;
    const ExerciseTraits &traits_;
};

} // namespace zorbiks
