#pragma once

// An exercise is what one of the 28 question screens adds to the shared
// ExerciseScreen: its data and draw, its answer rule and key filter (the
// model), the contents of its task and explanation frames (the view), and its
// quirks (the traits). Which question it is — its code, menu caption and
// layout row — is its line of the catalogue (Question). Everything else —
// show step, checks, feedback, counters, lists, log, leaving — is
// ExerciseScreen's, written once.

#include "platform/ScreenMetrics.h"
#include "platform/Services.h"
#include "screen/Colours.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

class QGroupBox;
class QWidget;

namespace zorbiks {

enum class ExerciseKind {
    Typed,  // `Ответ`, `ОК`, `Сдаюсь`
    Choice, // answer controls in `Ответы`
};

enum class Attempt { Correct, Wrong, GiveUp };

// What the key filter makes of one typed character (a Windows-1251 code).
struct KeyVerdict {
    ushort code = 0; // the character to enter; 0 = discard it
    QString warning; // shown on `КакойОтвет`, with the sound "нет", when not empty
    std::optional<KeyboardLayoutKind> layout; // the layout to switch to
};

// An exercise's quirks, by concern. Every exercise states only what differs
// from these defaults, with designated initializers.
struct ExerciseTraits {
    ExerciseKind kind = ExerciseKind::Typed;

    // The frames, their names and captions and designed sizes (twips).
    struct Frame {
        QString headingName = QStringLiteral("Заголовок");
        QSizeF taskSize{10400, 1200};
        // One caption per explanation frame: one frame is `Пояснение`, two
        // are `Пояснение1` and `Пояснение2`.
        QStringList explanationCaptions = {QStringLiteral(" Пояснение")};
        QList<QSizeF> explanationSizes{{10400, 900}};
        // Left edge of the off-screen key sink `Text1`.
        double keySinkLeft = -4000;
    } frame = {};

    // Log tokens " C - да, ", " C - нет, ", " C - пропуск, ".
    struct LogTokens {
        // Some screens end the first two with the comma, without the
        // trailing blank.
        bool correctBlank = true;
        bool wrongBlank = true;
        // The correct token is logged also after a wrong attempt (counts
        // still rise only at the first attempt).
        bool correctAfterWrong = false;
    } log = {};

    // Wrong-list entries: " C/n " on `Повтор` instead of "C/n "; " C/0 " and
    // " C/n/0 " on giving up instead of "C/0 " and "C/n/0 ".
    struct ListEntries {
        bool repeatLeadingBlank = false;
        bool giveUpLeadingBlank = false;
    } lists = {};

    // The typed answer row `Ответ`, `ОК`, `Сдаюсь`.
    struct Typed {
        // After a correct answer the key sink `Text1` takes the focus; on
        // other screens the focus stays where it was.
        bool focusKeySinkAfterCorrect = true;
        // Ctrl or Alt in `Ответ` goes straight to the results screen.
        bool ctrlAltToResults = false;
        QString giveUpToolTip = QStringLiteral("Не знаю ответа и пропускаю вопрос");
    } typed = {};

    // The answer controls, in the frame `Ответы` of this caption and size.
    struct Choice {
        QString caption = {};
        QSizeF size{6000, 600};
        // A wrong click hides the option instead of disabling it, and hides
        // the option's companion (a chart, a path, a scheme).
        bool wrongHidesOption = false;
        bool wrongHidesCompanion = false;
        // The options (and their companions) take hover colours; off where
        // they show the mouse their own way (pictures with highlighted twins).
        bool hoverColours = true;
        // The colour under the mouse, whether the rest colour is painted
        // (light yellow) or transparent, and whether hovering one option
        // puts the others at rest.
        QColor hoverColour = Colours::lightBlue;
        bool restOpaque = false;
        bool hoverRestsOthers = false;
        // Moving over the task frame `Задание` also puts the options at rest.
        bool taskHoverRests = false;
    } choice = {};

    // What leaving the screen also does.
    struct Leaving {
        // `Меню` also makes the six main-menu tab pictures usable and shows one.
        bool menuEnablesPictures = false;
        QString menuShowsPicture = {};
        // A sound `Image1` plays after flushing the lists, before the results.
        QString resultsIconSound = {};
    } leaving = {};
};

// One answer control of a choice screen and the widget that belongs to it.
struct ChoiceOption {
    QWidget *control = nullptr;
    QWidget *companion = nullptr;
};

// The frames ExerciseScreen has made for the exercise to fill, once, when the
// screen is created.
struct ExerciseView {
    QGroupBox *task = nullptr; // `Задание`
    QList<QGroupBox *> explanations; // `Пояснение`, or `Пояснение1` and `Пояснение2`
    QGroupBox *answers = nullptr; // `Ответы` (choice kind)
    ScreenMetrics metrics;
    // Filled by a choice exercise: its answer controls in order (option 1 first).
    QList<ChoiceOption> options;
    // Sets the options: control i with companion i (a chart, a path, a
    // scheme), painted and hidden with it.
    template <typename Control, typename Companion = QWidget>
    void setOptions(const QList<Control *> &controls, const QList<Companion *> &companions = {})
    {
        options.clear();
        for (qsizetype i = 0; i < controls.size(); ++i)
            options.append(
                ChoiceOption{controls[i], i < companions.size() ? companions[i] : nullptr});
    }
    // Optional anchor of the layout: the last answer label (its bottom,
    // inside `Ответы`, ends the answer area on screens whose row says so).
    QWidget *lastAnswerLabel = nullptr;
};

class Exercise {
public:
    explicit Exercise(ExerciseTraits traits);
    virtual ~Exercise() = default;

    const ExerciseTraits &traits() const { return traits_; }

    // Fills the frames with the task's texts and value labels and, on choice
    // screens, the answer controls.
    virtual void buildView(ExerciseView &view) = 0;
    // Draws new data (the random source has just been reseeded) and writes
    // it into the value labels.
    virtual void drawTask(RandomSource &random) = 0;

    // Typed kind.
    virtual bool isCorrect(const QString &answer) const;
    virtual KeyVerdict filterKey(ushort code, qint16 lastKeyDown) const;

    // Typed kind: an answer the check accepts now, as the pupil would type
    // it (every typed exercise names one; the benchmark's sweep types it).
    virtual QString rightAnswer() const { return {}; }

    // Choice kind: the number (1-based) of the option that is right now.
    virtual int correctOption() const;
    // Choice kind, the show step: the options as at the start of a task. By
    // default every option and companion is shown and enabled.
    virtual void resetOptions(const QList<ChoiceOption> &options);

    // Whether the log token of an attempt ends with a blank after the comma
    // (`option` is the clicked option, or 0).
    virtual bool tokenBlank(Attempt attempt, int option) const;

protected:
    ExerciseTraits traits_;
};

} // namespace zorbiks
