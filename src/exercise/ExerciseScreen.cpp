#include "exercise/ExerciseScreen.h"

#include "exercise/ChoiceAnswers.h"
#include "exercise/TypedAnswers.h"
#include "log/LogFormat.h"
#include "log/ResultsLog.h"
#include "pupil/PupilRecord.h"
#include "screen/Colours.h"
#include "screen/FilteredLineEdit.h"
#include "screen/HoverLabel.h"
#include "screen/Navigator.h"
#include "screen/Pictures.h"
#include "screen/WindowsKeyGuard.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>

namespace zorbiks {

namespace {

const QSizeF feedbackSize{10600, 300};

} // namespace

ExerciseScreen::ExerciseScreen(const ScreenContext &context, const Question &question,
                               std::unique_ptr<Exercise> exercise, QWidget *parent)
    : WorkWindow(context, ScreenLayout::workWindowWidth, QStringLiteral("Image1"),
                 QStringLiteral("Image3"), parent)
    , question_(question)
    , exercise_(std::move(exercise))
    , traits_(exercise_->traits())
{
    setObjectName(question_.code);

    guard_ = new WindowsKeyGuard(context_.services, this);
    ExerciseView view;
    buildFrame();
    buildAnswerArea(view);
    buildNavigation();

    view.task = task_;
    view.explanations = explanations_;
    view.metrics = metrics();
    exercise_->buildView(view);
    // A frame is never smaller than its contents at its designed width.
    for (QWidget *frame : explanations_ + QList<QGroupBox *>{task_, view.answers}) {
        if (!frame || !frame->layout())
            continue;
        QLayout *layout = frame->layout();
        const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(frame->width())
                                                       : layout->totalSizeHint().height();
        if (needed > frame->height())
            frame->resize(frame->width(), needed);
    }
    answers_->viewBuilt(view);
    restColours();
    hide();
}

ExerciseScreen::~ExerciseScreen() = default;

void ExerciseScreen::buildFrame()
{
    const ScreenMetrics metrics = this->metrics();

    heading_->setText(sectionNames(question_.section()).title + QStringLiteral(", ") +
                      question_.code);
    heading_->setObjectName(traits_.frame.headingName);

    exitIcon_->hide();
    connect(exitIcon_, &Picture::clicked, this, &ExerciseScreen::leaveToResults);

    task_ = new QGroupBox(QStringLiteral("Задание"), this);
    task_->setObjectName(QStringLiteral("Задание"));
    Colours::setBackground(task_, QColor(255, 255, 232));
    Colours::setTextColour(task_, Colours::taskBlue);
    task_->resize(metrics.px(traits_.frame.taskSize));

    feedback_ = new QLabel(this);
    feedback_->setObjectName(QStringLiteral("КакойОтвет"));
    feedback_->setFont(arialFont(9.75, true));
    feedback_->setAlignment(Qt::AlignCenter);
    Colours::setTextColour(feedback_, Colours::red);
    feedback_->resize(metrics.px(feedbackSize));
    feedback_->hide();

    const QStringList &captions = traits_.frame.explanationCaptions;
    const QList<QSizeF> &sizes = traits_.frame.explanationSizes;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto *frame = new QGroupBox(captions[i], this);
        frame->setObjectName(captions.size() == 1 ? QStringLiteral("Пояснение")
                                                  : QStringLiteral("Пояснение%1").arg(i + 1));
        Colours::setBackground(frame, QColor(232, 255, 232));
        Colours::setTextColour(frame, Colours::taskBlue);
        frame->resize(metrics.px(i < sizes.size() ? sizes[i] : sizes.last()));
        frame->hide();
        explanations_.append(frame);
    }
}

void ExerciseScreen::buildAnswerArea(ExerciseView &view)
{
    const AnswerParts parts{this, context_, *exercise_, task_, exitIcon_, keySink_, guard_};
    if (traits_.kind == ExerciseKind::Typed) {
        answers_ = new TypedAnswers(parts);
    } else {
        auto *choice = new ChoiceAnswers(parts);
        view.answers = choice->frame();
        answers_ = choice;
    }
    connect(answers_, &AnswerArea::attempted, this, [this](bool right, int option) {
        if (right)
            answeredRightly(option);
        else
            answeredWrongly(option);
    });
    connect(answers_, &AnswerArea::warned, this, &ExerciseScreen::warn);
    connect(answers_, &AnswerArea::gaveUp, this, &ExerciseScreen::giveUp);
    connect(answers_, &AnswerArea::shortcutToResults, this, &ExerciseScreen::shortcutToResults);
    connect(answers_, &AnswerArea::restRequested, this, &ExerciseScreen::restColours);
}

void ExerciseScreen::buildNavigation()
{
    menu_ = addBottomLabel(QStringLiteral("Меню"), QStringLiteral("Меню"),
                           QStringLiteral("Переход к выбору нового раздела"));
    questions_ = addBottomLabel(QStringLiteral("Вопросы"), sectionNames(question_.section()).title,
                                QStringLiteral("Переход к другому вопросу раздела"));
    repeat_ = addBottomLabel(QStringLiteral("Повтор"), QStringLiteral("Повтор"),
                             QStringLiteral("Повторение вопроса с другими данными"));
    setNavigationVisible(false);
    connect(menu_, &HoverLabel::clicked, this, [this] { leaveToMenu(false); });
    connect(questions_, &HoverLabel::clicked, this, [this] { leaveToMenu(true); });
    connect(repeat_, &HoverLabel::clicked, this, &ExerciseScreen::repeat);

    connect(keySink_, &FilteredLineEdit::keyReleased, guard_, &WindowsKeyGuard::keyReleased);
}

void ExerciseScreen::layOut()
{
    const ScreenMetrics m = metrics();
    ScreenLayout::ExerciseInput in;
    static_cast<ScreenLayout::WorkWindowInput &>(in) = frameInput(titleBarHeight_);
    in.row = question_.row;
    in.task = m.twips(task_->size());
    answers_->measure(in, m);
    in.feedback = m.twips(feedback_->size());
    for (QGroupBox *frame : std::as_const(explanations_))
        in.explanations.append(m.twips(frame->size()));
    in.menu = m.twips(menu_->size());
    in.questions = m.twips(questions_->size());
    in.repeat = m.twips(repeat_->size());
    in.keySinkLeft = traits_.frame.keySinkLeft;

    const ScreenLayout::ExerciseGeometry g = ScreenLayout::exerciseScreen(in);

    applyFrame(g);
    titleBarHeight_ = g.titleBar.height();
    task_->setGeometry(m.px(g.task));
    answers_->place(g, m);
    feedback_->move(m.px(g.feedback).topLeft());
    for (qsizetype i = 0; i < explanations_.size(); ++i)
        explanations_[i]->move(m.px(g.explanations[i]).topLeft());
    placeBottomLabel(menu_, g.menu);
    placeBottomLabel(questions_, g.questions);
    placeBottomLabel(repeat_, g.repeat);
    keySink_->move(m.px(g.keySinkLeft), 0);
}

void ExerciseScreen::activate()
{
    context_.services.sounds->play(QStringLiteral("click2"));
    answers_->showStep();
    context_.navigator.hideSectionList(question_.section());
    increment(context_.pupil.TasksShown);
    layOut();
    restColours();
    reseedFromTimeOfDay(context_.services);
    exercise_->drawTask(*context_.services.random);
    // What the draw changed is laid out before anyone looks.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

// ---- answers ----------------------------------------------------------------

void ExerciseScreen::answeredRightly(int option)
{
    showFeedback(QStringLiteral("Ответ правильный! Продолжим?"));
    context_.services.sounds->play(QStringLiteral("sloos1"));
    exitIcon_->show();
    if (wrongCount_ == 0 || traits_.log.correctAfterWrong)
        logAttempt(Attempt::Correct, option);
    if (wrongCount_ == 0) {
        increment(context_.pupil.CorrectTotal);
        increment(correctCount_);
    }
    setNavigationVisible(true);
    answers_->answeredRightly(option);
}

void ExerciseScreen::answeredWrongly(int option)
{
    context_.services.sounds->play(QStringLiteral("нет"));
    showFeedback(QStringLiteral("Ответ неверный! Посмотрите пояснение и попробуйте ещё раз"));
    logAttempt(Attempt::Wrong, option);
    (wrongCount_ == 0 ? explanations_.first() : explanations_.last())->show();
    increment(wrongCount_);
    answers_->answeredWrongly(option);
}

void ExerciseScreen::logAttempt(Attempt attempt, int option)
{
    const LogFormat::Mark mark = attempt == Attempt::Correct ? LogFormat::Mark::Yes
                                 : attempt == Attempt::Wrong ? LogFormat::Mark::No
                                                             : LogFormat::Mark::Skip;
    context_.log.writeToken(
        LogFormat::token(question_.code, mark, exercise_->tokenBlank(attempt, option)));
}

void ExerciseScreen::warn(const QString &text)
{
    showFeedback(text);
    context_.services.sounds->play(QStringLiteral("нет"));
}

void ExerciseScreen::showFeedback(const QString &text)
{
    feedback_->setText(text);
    feedback_->show();
}

// ---- leaving ----------------------------------------------------------------

void ExerciseScreen::flushLists()
{
    context_.pupil.flushCorrect(question_.code, correctCount_);
    context_.pupil.flushWrong(question_.code + QLatin1Char('/'), wrongCount_);
}

void ExerciseScreen::setNavigationVisible(bool visible)
{
    for (HoverLabel *label : {menu_, questions_, repeat_})
        setBottomLabelVisible(label, visible);
}

void ExerciseScreen::putTaskAway(bool focus)
{
    feedback_->hide();
    for (QGroupBox *frame : std::as_const(explanations_))
        frame->hide();
    setNavigationVisible(false);
    answers_->putAway(focus);
}

void ExerciseScreen::repeat()
{
    const QString blank = traits_.lists.repeatLeadingBlank ? QStringLiteral(" ") : QString();
    context_.pupil.flushWrong(blank + question_.code + QLatin1Char('/'), wrongCount_);
    putTaskAway(true);
    wrongCount_ = 0;
    context_.navigator.repeatExercise(question_.code);
}

void ExerciseScreen::leaveToMenu(bool showSectionList)
{
    flushLists();
    putTaskAway();
    wrongCount_ = 0;
    correctCount_ = 0;
    if (!showSectionList) {
        if (traits_.leaving.menuEnablesPictures)
            context_.navigator.enableMenuPictures();
        if (!traits_.leaving.menuShowsPicture.isEmpty())
            context_.navigator.setMenuPictureVisible(traits_.leaving.menuShowsPicture, true);
    }
    context_.navigator.leaveToMenu(this, question_.section(), showSectionList);
}

void ExerciseScreen::leaveToResults()
{
    flushLists();
    wrongCount_ = 0;
    correctCount_ = 0;
    if (!traits_.leaving.resultsIconSound.isEmpty())
        context_.services.sounds->play(traits_.leaving.resultsIconSound);
    context_.navigator.showResults(this, true);
}

void ExerciseScreen::giveUp()
{
    const QString blank = traits_.lists.giveUpLeadingBlank ? QStringLiteral(" ") : QString();
    context_.pupil.flushCorrect(question_.code, correctCount_);
    context_.pupil.flushGiveUp(blank + question_.code + QLatin1Char('/'), wrongCount_);
    logAttempt(Attempt::GiveUp, 0);
    putTaskAway();
    wrongCount_ = 0;
    correctCount_ = 0;
    context_.navigator.leaveToMenu(this, question_.section(), true);
}

void ExerciseScreen::shortcutToResults()
{
    context_.pupil.flushShortcutToResults(question_.code, wrongCount_);
    // Listed once: a later flush must not list the same attempts again.
    wrongCount_ = 0;
    context_.navigator.showResults(this, false);
}

// ---- hover colours ----------------------------------------------------------

void ExerciseScreen::restColours()
{
    WorkWindow::restColours();
    if (answers_)
        answers_->restColours();
}

} // namespace zorbiks
