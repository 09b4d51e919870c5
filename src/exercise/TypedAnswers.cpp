#include "exercise/TypedAnswers.h"

#include "platform/KeyCodes.h"
#include "pupil/PupilRecord.h"
#include "screen/Colours.h"
#include "screen/FilteredLineEdit.h"
#include "screen/HoverLabel.h"
#include "screen/Navigator.h"
#include "screen/WindowsKeyGuard.h"

#include <QKeyEvent>
#include <QPushButton>

namespace zorbiks {

namespace {

const QSizeF answerSize{2400, 375};
const QSizeF okSize{800, 375};
const QSizeF giveUpSize{900, 375};

} // namespace

TypedAnswers::TypedAnswers(const AnswerParts &parts)
    : AnswerArea(parts)
{
    const ScreenMetrics metrics = parts_.context.navigator.metrics();

    answer_ = new FilteredLineEdit(parts_.screen);
    answer_->setObjectName(QStringLiteral("Ответ"));
    answer_->setToolTip(QStringLiteral("Ввод ответа"));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->resize(metrics.px(answerSize));
    answer_->setCharacterFilter([this](ushort code) { return filterCharacter(code); });
    // The key filter's transliteration reads the key that produced the
    // character, so every key pressed in `Ответ` is recorded before it.
    answer_->recordKeysInto(&parts_.context.pupil.LastKeyDown);
    answer_->setKeyDownHook([this](const QKeyEvent &event) { return keyDown(event); });
    connect(answer_, &QLineEdit::textChanged, this, [this](const QString &text) { text_ = text; });
    connect(answer_, &FilteredLineEdit::keyReleased, parts_.guard, &WindowsKeyGuard::keyReleased);

    ok_ = new QPushButton(QStringLiteral("OK"), parts_.screen);
    ok_->setObjectName(QStringLiteral("ОК"));
    ok_->setToolTip(QStringLiteral("Подтверждение ответа"));
    ok_->resize(metrics.px(okSize));
    connect(ok_, &QPushButton::clicked, this, &TypedAnswers::check);

    giveUp_ = new QPushButton(QStringLiteral("Сдаюсь"), parts_.screen);
    giveUp_->setObjectName(QStringLiteral("Сдаюсь"));
    giveUp_->setToolTip(traits_.typed.giveUpToolTip);
    giveUp_->resize(metrics.px(giveUpSize));
    connect(giveUp_, &QPushButton::clicked, this, &TypedAnswers::gaveUp);

    for (QPushButton *button : {ok_, giveUp_})
        watchHover(button, [button] { Colours::setBackground(button, Colours::lightBlue); });
}

void TypedAnswers::measure(ScreenLayout::ExerciseInput &in, const ScreenMetrics &m) const
{
    in.typed = true;
    in.answer = m.twips(answer_->size());
    in.ok = m.twips(ok_->size());
    in.giveUp = m.twips(giveUp_->size());
}

void TypedAnswers::place(const ScreenLayout::ExerciseGeometry &g, const ScreenMetrics &m)
{
    answer_->move(m.px(g.answer).topLeft());
    ok_->move(m.px(g.ok).topLeft());
    giveUp_->move(m.px(g.giveUp).topLeft());
}

void TypedAnswers::showStep()
{
    answer_->setFocus();
}

void TypedAnswers::check()
{
    if (answer_->text().isEmpty()) {
        emit warned(QStringLiteral("Нужно дать ответ!"));
        answer_->setFocus();
        return;
    }
    emit attempted(parts_.exercise.isCorrect(text_), 0);
}

void TypedAnswers::answeredRightly(int)
{
    answer_->setEnabled(false);
    ok_->setEnabled(false);
    giveUp_->setEnabled(false);
    if (traits_.typed.focusKeySinkAfterCorrect)
        parts_.keySink->setFocus();
}

void TypedAnswers::answeredWrongly(int)
{
    answer_->setFocus();
}

void TypedAnswers::putAway(bool focus)
{
    parts_.exitIcon->hide();
    answer_->setEnabled(true);
    ok_->setEnabled(true);
    giveUp_->setEnabled(true);
    answer_->clear();
    if (focus)
        answer_->setFocus();
}

void TypedAnswers::restColours()
{
    Colours::setBackground(ok_, Colours::lightGrey);
    Colours::setBackground(giveUp_, Colours::lightGrey);
}

ushort TypedAnswers::filterCharacter(ushort code)
{
    const KeyVerdict verdict = parts_.exercise.filterKey(code, parts_.context.pupil.LastKeyDown);
    if (verdict.layout)
        parts_.context.services.keyboardLayout->activate(*verdict.layout);
    if (!verdict.warning.isEmpty())
        emit warned(verdict.warning);
    return verdict.code;
}

bool TypedAnswers::keyDown(const QKeyEvent &event)
{
    const int key = keyCodeOf(event);
    if (!traits_.typed.ctrlAltToResults || (key != KeyCode::Control && key != KeyCode::Alt))
        return false;
    answer_->clear();
    emit shortcutToResults();
    return true;
}

} // namespace zorbiks
