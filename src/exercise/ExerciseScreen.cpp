#include "exercise/ExerciseScreen.h"

#include "log/ResultsLog.h"
#include "platform/KeyCodes.h"
#include "pupil/PupilRecord.h"
#include "screen/Colours.h"
#include "screen/FilteredLineEdit.h"
#include "screen/HoverLabel.h"
#include "screen/Navigator.h"
#include "screen/Pictures.h"
#include "screen/ScreenLayout.h"
#include "screen/WindowsKeyGuard.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

namespace zorbiks {

namespace {

const QSizeF answerSize{2400, 375};
const QSizeF okSize{800, 375};
const QSizeF giveUpSize{900, 375};
const QSizeF feedbackSize{10600, 300};

} // namespace

ExerciseScreen::ExerciseScreen(const ScreenContext &context, std::unique_ptr<Exercise> exercise,
                               QWidget *parent)
    : WorkWindow(context, ScreenLayout::workWindowWidth, QStringLiteral("Image1"),
                 QStringLiteral("Image3"), parent)
    , exercise_(std::move(exercise))
    , traits_(exercise_->traits())
{
    setObjectName(traits_.code);
    setWindowTitle(traits_.windowTitle);
    const ScreenMetrics metrics = this->metrics();

    guard_ = new WindowsKeyGuard(context_.services, this);
    buildFrame();
    if (traits_.kind == ExerciseKind::Typed)
        buildTypedControls();
    else
        buildChoiceControls();
    buildNavigation();

    view_.task = task_;
    view_.explanations = explanations_;
    view_.answers = answers_;
    view_.metrics = metrics;
    exercise_->buildView(view_);
    // A frame is never smaller than its contents at its designed width.
    for (QWidget *frame : explanations_ + QList<QGroupBox *>{task_, answers_}) {
        if (!frame || !frame->layout())
            continue;
        QLayout *layout = frame->layout();
        const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(frame->width())
                                                       : layout->totalSizeHint().height();
        if (needed > frame->height())
            frame->resize(frame->width(), needed);
    }

    for (qsizetype i = 0; i < view_.options.size(); ++i) {
        const int option = static_cast<int>(i) + 1;
        QWidget *control = view_.options[i].control;
        if (auto *label = qobject_cast<HoverLabel *>(control)) {
            connect(label, &HoverLabel::hovered, this, [this, i] { hoverOption(int(i)); });
            connect(label, &HoverLabel::clicked, this, [this, option] { choiceCheck(option); });
        } else {
            watchHover(control, [this, i] { hoverOption(int(i)); });
            watchClick(control, [this, option] { choiceCheck(option); });
        }
    }
    restColours();
    hide();
}

ExerciseScreen::~ExerciseScreen() = default;

void ExerciseScreen::buildFrame()
{
    const ScreenMetrics metrics = this->metrics();

    heading_->setText(sectionNames(exercise_->section()).title + QStringLiteral(", ") +
                      traits_.code);
    heading_->setObjectName(traits_.headingName);

    exitIcon_->hide();
    connect(exitIcon_, &Picture::clicked, this, &ExerciseScreen::leaveToResults);

    task_ = new QGroupBox(traits_.taskCaption, this);
    task_->setObjectName(QStringLiteral("Задание"));
    Colours::setBackground(task_, QColor(255, 255, 232));
    Colours::setTextColour(task_, Colours::taskBlue);
    task_->resize(metrics.px(traits_.taskSize));

    feedback_ = new QLabel(this);
    feedback_->setObjectName(QStringLiteral("КакойОтвет"));
    feedback_->setFont(arialFont(9.75, true));
    feedback_->setAlignment(Qt::AlignCenter);
    Colours::setTextColour(feedback_, Colours::red);
    feedback_->resize(metrics.px(feedbackSize));
    feedback_->hide();

    const bool single = traits_.explanationCaptions.size() == 1;
    for (qsizetype i = 0; i < traits_.explanationCaptions.size(); ++i) {
        auto *frame = new QGroupBox(traits_.explanationCaptions[i], this);
        frame->setObjectName(single ? QStringLiteral("Пояснение")
                                    : QStringLiteral("Пояснение%1").arg(i + 1));
        Colours::setBackground(frame, QColor(232, 255, 232));
        Colours::setTextColour(frame, Colours::taskBlue);
        const QSizeF size = i < traits_.explanationSizes.size() ? traits_.explanationSizes[i]
                                                                : traits_.explanationSizes.last();
        frame->resize(metrics.px(size));
        frame->hide();
        explanations_.append(frame);
    }
}

void ExerciseScreen::buildTypedControls()
{
    const ScreenMetrics metrics = this->metrics();

    answer_ = new FilteredLineEdit(this);
    answer_->setObjectName(QStringLiteral("Ответ"));
    answer_->setToolTip(QStringLiteral("Ввод ответа"));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->resize(metrics.px(answerSize));
    answer_->setCharacterFilter([this](ushort code) { return filterCharacter(code); });
    // The key filter's transliteration reads the key that produced the
    // character, so every key pressed in `Ответ` is recorded before it.
    answer_->setKeyDownHook([this](const QKeyEvent &event) {
        context_.pupil.LastKeyDown = static_cast<qint16>(keyCodeOf(event));
        return traits_.ctrlAltToResults && shortcutToResults(event);
    });
    connect(answer_, &QLineEdit::textChanged, this,
            [this](const QString &text) { answerText_ = text; });
    connect(answer_, &FilteredLineEdit::keyReleased, guard_, &WindowsKeyGuard::keyReleased);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("ОК"));
    ok_->setToolTip(QStringLiteral("Подтверждение ответа"));
    ok_->resize(metrics.px(okSize));
    connect(ok_, &QPushButton::clicked, this, &ExerciseScreen::typedCheck);

    giveUp_ = new QPushButton(QStringLiteral("Сдаюсь"), this);
    giveUp_->setObjectName(QStringLiteral("Сдаюсь"));
    giveUp_->setToolTip(traits_.giveUpToolTip);
    giveUp_->resize(metrics.px(giveUpSize));
    connect(giveUp_, &QPushButton::clicked, this, &ExerciseScreen::giveUp);

    for (QPushButton *button : {ok_, giveUp_})
        watchHover(button, [button] { Colours::setBackground(button, Colours::lightBlue); });
}

void ExerciseScreen::buildChoiceControls()
{
    answers_ = new QGroupBox(traits_.answersCaption, this);
    answers_->setObjectName(QStringLiteral("Ответы"));
    Colours::setTextColour(answers_, Colours::taskBlue);
    answers_->resize(metrics().px(traits_.answersSize));
    watchHover(answers_, [this] { restColours(); });
    if (traits_.taskHoverRestsOptions)
        watchHover(task_, [this] { restColours(); });
}

void ExerciseScreen::buildNavigation()
{
    menu_ = addBottomLabel(QStringLiteral("Меню"), QStringLiteral("Меню"),
                           QStringLiteral("Переход к выбору нового раздела"));
    questions_ = addBottomLabel(QStringLiteral("Вопросы"), sectionNames(exercise_->section()).title,
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
    in.code = traits_.code;
    in.task = m.twips(task_->size());
    in.typed = traits_.kind == ExerciseKind::Typed;
    if (in.typed) {
        in.answer = m.twips(answer_->size());
        in.ok = m.twips(ok_->size());
        in.giveUp = m.twips(giveUp_->size());
    } else {
        in.answers = m.twips(answers_->size());
        if (view_.lastAnswerLabel)
            in.lastAnswerLabelBottom = m.twips(view_.lastAnswerLabel->geometry().bottom() + 1);
    }
    in.feedback = m.twips(feedback_->size());
    for (QGroupBox *frame : std::as_const(explanations_))
        in.explanations.append(m.twips(frame->size()));
    in.menu = m.twips(menu_->size());
    in.questions = m.twips(questions_->size());
    in.repeat = m.twips(repeat_->size());
    in.keySinkLeft = traits_.keySinkLeft;

    const ScreenLayout::ExerciseGeometry g = ScreenLayout::exerciseScreen(in);

    applyFrame(g);
    titleBarHeight_ = g.titleBar.height();
    task_->setGeometry(m.px(g.task));
    if (in.typed) {
        answer_->move(m.px(g.answer).topLeft());
        ok_->move(m.px(g.ok).topLeft());
        giveUp_->move(m.px(g.giveUp).topLeft());
    } else {
        answers_->move(m.px(g.answers).topLeft());
    }
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
    if (answer_)
        answer_->setFocus();
    context_.services.sounds->play(QStringLiteral("click2"));
    if (traits_.kind == ExerciseKind::Choice) {
        exitIcon_->hide();
        for (const ChoiceOption &option : std::as_const(view_.options)) {
            option.control->show();
            option.control->setEnabled(true);
            if (option.companion)
                option.companion->show();
        }
    }
    context_.navigator.hideSectionList(exercise_->section());
    increment(context_.pupil.TasksShown);
    layOut();
    restColours();
    reseedFromTimeOfDay(context_.services);
    exercise_->drawTask(*context_.services.random);
}

// ---- answer checks --------------------------------------------------------

void ExerciseScreen::typedCheck()
{
    if (answer_->text().isEmpty()) {
        showFeedback(QStringLiteral("Нужно дать ответ!"));
        context_.services.sounds->play(QStringLiteral("нет"));
        answer_->setFocus();
        return;
    }
    if (exercise_->isCorrect(answerText_))
        answeredCorrectly(0);
    else
        answeredWrongly(0);
}

void ExerciseScreen::choiceCheck(int option)
{
    if (option == exercise_->correctOption())
        answeredCorrectly(option);
    else
        answeredWrongly(option);
}

void ExerciseScreen::answeredCorrectly(int option)
{
    showFeedback(QStringLiteral("Ответ правильный! Продолжим?"));
    context_.services.sounds->play(QStringLiteral("sloos1"));
    exitIcon_->show();
    if (wrongCount_ == 0 || traits_.logCorrectAfterWrong)
        context_.log.writeToken(exercise_->logToken(Attempt::Correct, option));
    if (wrongCount_ == 0) {
        increment(context_.pupil.CorrectTotal);
        increment(correctCount_);
    }
    if (traits_.kind == ExerciseKind::Typed) {
        answer_->setEnabled(false);
        ok_->setEnabled(false);
        giveUp_->setEnabled(false);
        setNavigationVisible(true);
        if (traits_.focusKeySinkAfterCorrect)
            keySink_->setFocus();
        return;
    }
    for (qsizetype i = 0; i < view_.options.size(); ++i) {
        const ChoiceOption &choice = view_.options[i];
        if (i + 1 == option) {
            choice.control->setEnabled(false);
            continue;
        }
        choice.control->hide();
        if (choice.companion)
            choice.companion->hide();
    }
    setNavigationVisible(true);
}

void ExerciseScreen::answeredWrongly(int option)
{
    context_.services.sounds->play(QStringLiteral("нет"));
    showFeedback(QStringLiteral("Ответ неверный! Посмотрите пояснение и попробуйте ещё раз"));
    context_.log.writeToken(exercise_->logToken(Attempt::Wrong, option));
    (wrongCount_ == 0 ? explanations_.first() : explanations_.last())->show();
    increment(wrongCount_);
    if (traits_.kind == ExerciseKind::Typed) {
        answer_->setFocus();
        return;
    }
    const ChoiceOption &choice = view_.options[option - 1];
    if (traits_.wrongHidesOption)
        choice.control->hide();
    else
        choice.control->setEnabled(false);
    if (traits_.wrongHidesCompanion && choice.companion)
        choice.companion->hide();
}

// ---- leaving --------------------------------------------------------------

void ExerciseScreen::flushLists()
{
    context_.pupil.flushCorrect(traits_.code, correctCount_);
    context_.pupil.flushWrong(traits_.code + QLatin1Char('/'), wrongCount_);
}

void ExerciseScreen::setNavigationVisible(bool visible)
{
    for (HoverLabel *label : {menu_, questions_, repeat_})
        setBottomLabelVisible(label, visible);
}

void ExerciseScreen::hideTaskFeedback()
{
    feedback_->hide();
    for (QGroupBox *frame : std::as_const(explanations_))
        frame->hide();
    setNavigationVisible(false);
    if (traits_.kind == ExerciseKind::Typed)
        exitIcon_->hide();
}

void ExerciseScreen::enableAnswerRow()
{
    answer_->setEnabled(true);
    ok_->setEnabled(true);
    giveUp_->setEnabled(true);
    answer_->clear();
}

void ExerciseScreen::repeat()
{
    const QString blank = traits_.repeatEntryLeadingBlank ? QStringLiteral(" ") : QString();
    context_.pupil.flushWrong(blank + traits_.code + QLatin1Char('/'), wrongCount_);
    hideTaskFeedback();
    if (traits_.kind == ExerciseKind::Typed) {
        enableAnswerRow();
        answer_->setFocus();
    }
    wrongCount_ = 0;
    context_.navigator.repeatExercise(traits_.code);
}

void ExerciseScreen::leaveToMenu(bool showSectionList)
{
    flushLists();
    hideTaskFeedback();
    if (traits_.kind == ExerciseKind::Typed)
        enableAnswerRow();
    wrongCount_ = 0;
    correctCount_ = 0;
    if (!showSectionList) {
        if (traits_.menuEnablesPictures)
            context_.navigator.enableMenuPictures();
        if (!traits_.menuShowsPicture.isEmpty())
            context_.navigator.setMenuPictureVisible(traits_.menuShowsPicture, true);
    }
    context_.navigator.leaveToMenu(this, exercise_->section(), showSectionList);
}

void ExerciseScreen::leaveToResults()
{
    flushLists();
    wrongCount_ = 0;
    correctCount_ = 0;
    if (!traits_.resultsIconSound.isEmpty())
        context_.services.sounds->play(traits_.resultsIconSound);
    context_.navigator.showResults(this, true);
}

void ExerciseScreen::giveUp()
{
    const QString blank = traits_.giveUpEntryLeadingBlank ? QStringLiteral(" ") : QString();
    context_.pupil.flushCorrect(traits_.code, correctCount_);
    context_.pupil.flushGiveUp(blank + traits_.code + QLatin1Char('/'), wrongCount_);
    if (traits_.giveUpLogged)
        context_.log.writeToken(exercise_->logToken(Attempt::GiveUp, 0));
    hideTaskFeedback();
    enableAnswerRow();
    wrongCount_ = 0;
    correctCount_ = 0;
    context_.navigator.leaveToMenu(this, exercise_->section(), true);
}

bool ExerciseScreen::shortcutToResults(const QKeyEvent &event)
{
    const int key = keyCodeOf(event);
    if (key != KeyCode::Control && key != KeyCode::Alt)
        return false;
    context_.pupil.flushShortcutToResults(traits_.code, wrongCount_);
    // Listed once: a later flush must not list the same attempts again.
    wrongCount_ = 0;
    answer_->clear();
    context_.navigator.showResults(this, false);
    return true;
}

// ---- typing ---------------------------------------------------------------

ushort ExerciseScreen::filterCharacter(ushort code)
{
    const KeyVerdict verdict = exercise_->filterKey(code, context_.pupil.LastKeyDown);
    if (verdict.layout)
        context_.services.keyboardLayout->activate(*verdict.layout);
    if (!verdict.warning.isEmpty()) {
        showFeedback(verdict.warning);
        context_.services.sounds->play(QStringLiteral("нет"));
    }
    return verdict.code;
}

void ExerciseScreen::showFeedback(const QString &text)
{
    feedback_->setText(text);
    feedback_->show();
}

// ---- hover colours and painting -------------------------------------------

void ExerciseScreen::restColours()
{
    WorkWindow::restColours();
    if (ok_) {
        Colours::setBackground(ok_, Colours::lightGrey);
        Colours::setBackground(giveUp_, Colours::lightGrey);
    }
    for (qsizetype i = 0; i < view_.options.size(); ++i)
        paintOption(int(i), false);
}

void ExerciseScreen::hoverOption(int index)
{
    if (traits_.hoverRestsOtherOptions) {
        for (qsizetype i = 0; i < view_.options.size(); ++i)
            paintOption(int(i), false);
    }
    paintOption(index, true);
}

void ExerciseScreen::paintOption(int index, bool hover)
{
    if (!traits_.optionHoverColours)
        return;
    const ChoiceOption &option = view_.options[index];
    const QColor colour = hover ? traits_.optionHoverColour : Colours::lightYellow;
    const bool opaque = hover || traits_.optionRestOpaque;
    Colours::setBackground(option.control, colour, opaque);
    if (option.companion)
        Colours::setBackground(option.companion, colour, opaque);
}

} // namespace zorbiks
