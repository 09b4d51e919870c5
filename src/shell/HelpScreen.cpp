#include "shell/HelpScreen.h"

#include "drawing/GapLabel.h"
#include "platform/Services.h"
#include "screen/Colours.h"
#include "screen/DisplayScale.h"
#include "screen/FilteredLineEdit.h"
#include "screen/HoverLabel.h"
#include "screen/Navigator.h"
#include "screen/Pictures.h"
#include "screen/ScreenLayout.h"

#include <QVBoxLayout>

namespace zorbiks {

namespace {

const QString indent = QStringLiteral("        ");

const QString itemA =
    QStringLiteral("а) отрицание (инверсия, логическое НЕ) обозначается    (например,   А);");
const QString itemB = QStringLiteral(
    " б) конъюнкция (логическое умножение, логическое И) обозначается /\\ (например, А /\\ В) "
    "либо     (например, А    В); ");
const QString itemC = QStringLiteral(
    "в) дизъюнкция (логическое сложение, логическое ИЛИ) обозначается \\/ (например, А \\/ В) "
    "либо | (например, А | В); ");
const QString itemD = QStringLiteral(
    "г) символ 1 используется для обозначения истины (истинного высказывания); символ 0 - для "
    "обозначения лжи (ложного высказывания). ");

// The index, in the whole text, of the gap that follows `before` (searched
// from `from` on), one blank after it.
qsizetype gapAfter(const QString &text, const QString &from, const QString &before, int skip = 0)
{
    qsizetype index = text.indexOf(from);
    for (int i = 0; i <= skip; ++i)
        index = text.indexOf(before, index) + (i < skip ? before.size() : 0);
    return index + before.size() + 1;
}

} // namespace

QString HelpScreen::helpText()
{
    const QString lineEnd = QStringLiteral("\r\n");
    return QStringLiteral("\t       \"Зорбикс\" предназначен для обучения и контроля знаний "
                          "учеников 7 - 9 классов, а также для подготовки к ЕГЭ выпускников 9 "
                          "класса. Он включает вопросы двух видов: 1 - с выбираемым ответом, и 2 "
                          "- с вводом ответа с клавиатуры. Вопросы составлены на основе "
                          "демонстрационных версий ЕГЭ для выпускников 9 класса. Принципиально "
                          "важным является то, что каждый вопрос имеет набор различных данных, "
                          "которые появляются на экране в случайном порядке. Это сделано для "
                          "того, чтобы устранить возможность запоминания учениками ответов, и "
                          "позволяет каждому ученику использовать Зорбикс многократно. Возможно "
                          "повторение одного вопроса несколько раз подряд, для чего нужно "
                          "нажимать кнопку \"Повтор\".") +
           lineEnd + indent +
           QStringLiteral("После обязательной регистрации ученик выбирает раздел и вопрос. При "
                          "первом неправильном ответе на экране появляется первое пояснение, при "
                          "втором - второе пояснение. Для выхода из программы нужно нажать "
                          "кнопку \"Результат\" или значок выхода (крестик). При этом на экране "
                          "появляются результаты работы: общее количество вопросов, общее "
                          "количество правильных ответов,  номера вопросов с правильными "
                          "ответами и количество каждого из них, номера вопросов с "
                          "неправильными ответами и, через косую черту, количество неверных "
                          "попыток для каждого. Эти же данные, а также фамилия ученика, дата и "
                          "время  могут быть распечатаны на принтере.") +
           lineEnd + indent +
           QStringLiteral("В секретный файл результаты записываются дважды. Это необходимо для "
                          "того, чтобы выявить выход из программы мимо контроля, например, "
                          "выключением питания компьютера. Поэтому запись в секретный файл "
                          "выполняется сначала после каждой попытки ответа, а затем после слов "
                          "\"Общий итог\" записывается общий результат. Если нет этой последней "
                          "записи, это означает, что был выход из программы минуя контроль.") +
           QString(28, QLatin1Char(' ')) +
           QStringLiteral("В заданиях используются следующие соглашения:") + lineEnd + indent +
           QStringLiteral("Обозначения для логических связок (операций):") + lineEnd + itemA +
           lineEnd + itemB + lineEnd + itemC + lineEnd + itemD + lineEnd +
           QStringLiteral("        Зорбикс — свободный тренажёр по информатике для школьных "
                          "компьютерных классов.");
}

HelpScreen::HelpScreen(const ScreenContext &context, QWidget *parent)
    : WorkWindow(context, ScreenLayout::helpWindowWidth, QStringLiteral("Image2"),
                 QStringLiteral("Image5"), parent)
{
    setObjectName(QStringLiteral("Справ"));
    const ScreenMetrics m = metrics();
    heading_->setObjectName(QStringLiteral("Label1"));
    heading_->setText(QStringLiteral("О программе Зорбикс"));
    connect(exitIcon_, &Picture::clicked, this, [this] { leaveToResults(false); });

    frame_ = new QWidget(this);
    frame_->setObjectName(QStringLiteral("Рез"));
    Colours::setBackground(frame_, Colours::lightYellow);
    frame_->resize(m.px(QSizeF(11500, 6900)));
    auto *column = new QVBoxLayout(frame_);
    column->setContentsMargins(DisplayScale::margins(6, 4, 6, 4));
    const QString text = helpText();
    text_ = new GapLabel(text, frame_);
    text_->setObjectName(QStringLiteral("Label2"));
    Colours::setTextColour(text_, Colours::darkBlue);
    column->addWidget(text_);
    column->addStretch(1);

    // The signs of negation and conjunction, laid over their gaps.
    const struct {
        QString sign;
        qsizetype at;
    } signs[] = {
        {QStringLiteral("¬"), gapAfter(text, itemA, QStringLiteral("обозначается"))},
        {QStringLiteral("¬"), gapAfter(text, itemA, QStringLiteral("(например,"))},
        {QStringLiteral("&"), gapAfter(text, itemB, QStringLiteral("либо"))},
        {QStringLiteral("&"), gapAfter(text, itemB, QStringLiteral("А"), 1)},
    };
    int number = 1;
    for (const auto &sign : signs) {
        auto *label = new QLabel(sign.sign);
        label->setObjectName(QStringLiteral("Знак%1").arg(number++));
        label->setFont(arialFont(9.75, true));
        Colours::setTextColour(label, Colours::darkBlue);
        text_->placeAt(label, sign.at);
    }

    menu_ = addBottomLabel(QStringLiteral("Меню"), QStringLiteral("Меню"),
                           QStringLiteral("Переход к выбору нового раздела"));
    exit_ = addBottomLabel(QStringLiteral("Выход"), QStringLiteral("Выход"), QString());
    for (HoverLabel *label : {menu_, exit_})
        Colours::setBackground(label, Colours::lightYellow);
    connect(menu_, &HoverLabel::clicked, this, [this] {
        context_.services.sounds->play(QStringLiteral("click2"));
        context_.navigator.showMenu(this);
    });
    connect(exit_, &HoverLabel::clicked, this, [this] { leaveToResults(true); });

    hide();
}

void HelpScreen::activate()
{
    keySink_->move(metrics().px(-4000.0), 0);
    context_.services.sounds->play(QStringLiteral("click2"));
    context_.navigator.setMenuExitIconVisible(false);
    layOut();
}

void HelpScreen::layOut()
{
    const ScreenMetrics m = metrics();
    ScreenLayout::HelpInput in;
    static_cast<ScreenLayout::WorkWindowInput &>(in) = frameInput(m.twips(titleBar_->height()));
    in.text = m.twips(frame_->size());
    in.menu = m.twips(menu_->size());
    in.exit = m.twips(exit_->size());
    const ScreenLayout::HelpGeometry g = ScreenLayout::helpScreen(in);
    applyFrame(g);
    frame_->move(m.px(g.text).topLeft());
    placeBottomLabel(menu_, g.menu);
    placeBottomLabel(exit_, g.exit);
}

void HelpScreen::leaveToResults(bool withSound)
{
    if (withSound)
        context_.services.sounds->play(QStringLiteral("click2"));
    context_.navigator.setMenuPictureVisible(QStringLiteral("справка2"), false);
    context_.navigator.setMenuPictureVisible(QStringLiteral("справка"), true);
    context_.navigator.setMenuExitIconVisible(false);
    context_.navigator.showResults(this, true);
}

} // namespace zorbiks
