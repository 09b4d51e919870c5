#include "results/ResultsScreen.h"

#include "log/ResultsLog.h"
#include "platform/Services.h"
#include "pupil/PupilRecord.h"
#include "results/LogNotice.h"
#include "results/ResultsPage.h"
#include "results/ResultsParts.h"
#include "screen/Colours.h"
#include "screen/DisplayScale.h"
#include "screen/FilteredLineEdit.h"
#include "screen/HoverLabel.h"
#include "screen/Navigator.h"
#include "screen/Pictures.h"
#include "screen/ScreenLayout.h"
#include "screen/WindowsKeyGuard.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zorbiks {

namespace {

HoverLabel *makeChoice(const QString &name, const QString &text, const QString &toolTip,
                       QWidget *parent)
{
    auto *label = new HoverLabel(text, parent);
    label->setObjectName(name);
    label->setToolTip(toolTip);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setFont(arialFont(9.75, true));
    Colours::setTextColour(label, Colours::darkBlue);
    Colours::setBackground(label, Colours::lightYellow);
    label->resize(label->sizeHint() + QSize(DisplayScale::px(24), DisplayScale::px(6)));
    label->hide();
    QObject::connect(label, &HoverLabel::hovered, label,
                     [label] { Colours::setBackground(label, Colours::lightBlue); });
    return label;
}

} // namespace

ResultsScreen::ResultsScreen(const ScreenContext &context, QWidget *parent)
    : WorkWindow(context, ScreenLayout::workWindowWidth, QStringLiteral("Image3"),
                 QStringLiteral("Image2"), parent)
{
    setObjectName(QStringLiteral("Результат"));
    heading_->setObjectName(QStringLiteral("Заголовок"));
    heading_->setText(QStringLiteral("Результаты работы"));
    connect(exitIcon_, &Picture::clicked, this, &ResultsScreen::exitStep);
    auto *guard = new WindowsKeyGuard(context_.services, this);
    connect(keySink_, &FilteredLineEdit::keyReleased, guard, &WindowsKeyGuard::keyReleased);

    buildGreeting();
    buildVerdict();
    buildFigures();
    buildPictures();
    buildNavigation();
    buildPrintQuestion();
    buildPrintChoices();
    connectPrintChoices();
    buildLogWarning();
    restColours();
    hide();
}

void ResultsScreen::buildGreeting()
{
    task_ = makeYellowFrame(QStringLiteral("Задание"), {9000, 480}, metrics(), this);
    greeting_ = new QLabel(task_);
    greeting_->setObjectName(QStringLiteral("Уважаемый"));
    greeting_->setFont(arialFont(11, true));
    Colours::setTextColour(greeting_, Colours::darkBlue);
}

void ResultsScreen::buildVerdict()
{
    verdictFrame_ = makeYellowFrame(QStringLiteral("Оц"), {7000, 700}, metrics(), this);
    verdict_ = makeWrappedLabel(QStringLiteral("Оценка"), QString(), Colours::valueRed,
                                verdictFrame_, true);
    verdict_->setAlignment(Qt::AlignCenter);
    verdict_->resize(verdictFrame_->width() - 12, verdictFrame_->height() - 8);
}

void ResultsScreen::buildFigures()
{
    figures_ = makeYellowFrame(QStringLiteral("Рез"), {7000, 2500}, metrics(), this);
    auto *column = new QVBoxLayout(figures_);
    const auto addLine = [this, column](const QString &name) {
        QLabel *line = makeWrappedLabel(name, QString(), Colours::darkBlue, figures_);
        column->addWidget(line);
        return line;
    };
    tasksShown_ = addLine(QStringLiteral("КвоОтветов"));
    correctTotal_ = addLine(QStringLiteral("КвоПравОтв"));
    correctList_ = addLine(QStringLiteral("ПравОтветы"));
    wrongList_ = addLine(QStringLiteral("НепрОтветы"));
    column->addStretch(1);
}

void ResultsScreen::buildPictures()
{
    const QSize size = metrics().px(QSizeF(1500, 1500));
    poor_ = new Picture(Pictures::poorResult, size, this);
    poor_->setObjectName(QStringLiteral("Image4"));
    poor_->hide();
    good_ = new Picture(Pictures::goodResult, size, this);
    good_->setObjectName(QStringLiteral("Image1"));
    good_->hide();
}

void ResultsScreen::buildNavigation()
{
    menu_ = addBottomLabel(QStringLiteral("Меню"), QStringLiteral("Меню"),
                           QStringLiteral("Переход к выбору нового раздела"));
    exit_ = addBottomLabel(QStringLiteral("Выход"), QStringLiteral("Выход"), QString());
    connect(menu_, &HoverLabel::clicked, this, [this] {
        context_.services.sounds->play(QStringLiteral("click2"));
        context_.navigator.showMenu(this);
    });
    connect(exit_, &HoverLabel::clicked, this, &ResultsScreen::exitStep);
}

void ResultsScreen::buildPrintQuestion()
{
    question_ = makeYellowFrame(QStringLiteral("Frame1"), {7000, 450}, metrics(), this);
    askPrint_ =
        makeWrappedLabel(QStringLiteral("Хотите"), QStringLiteral("Хотите напечатать результаты?"),
                         Colours::darkBlue, question_, true);
    askPrint_->setAlignment(Qt::AlignCenter);
    askPrint_->setGeometry(question_->rect() - DisplayScale::margins(4, 2, 4, 2));
    question_->hide();
}

void ResultsScreen::buildPrintChoices()
{
    buttons_ = makeYellowFrame(QStringLiteral("Frame2"), {7000, 500}, metrics(), this);
    Colours::setBackground(buttons_, Colours::windowBackground, false);
    buttons_->setFlat(true);
    yes_ = makeChoice(QStringLiteral("Да"), QStringLiteral("Да"), QString(), buttons_);
    no_ = makeChoice(QStringLiteral("Нет"), QStringLiteral("Нет"), QString(), buttons_);
    ok_ = makeChoice(QStringLiteral("ОК"), QStringLiteral("ОК"),
                     QStringLiteral("Подтверждение печати результатов"), buttons_);
    cancel_ = makeChoice(QStringLiteral("Отмена"), QStringLiteral("Отмена"),
                         QStringLiteral("Отмена печати и выход"), buttons_);
    buttons_->hide();
    watchHover(buttons_, [this] { restColours(); });
    watchHover(question_, [this] { restColours(); });
}

void ResultsScreen::connectPrintChoices()
{
    connect(yes_, &HoverLabel::clicked, this, [this] {
        context_.services.sounds->play(QStringLiteral("click2"));
        askPrint_->setText(QStringLiteral("Вставьте в принтер лист А5 и подтвердите печать"));
        yes_->hide();
        no_->hide();
        ok_->show();
        cancel_->show();
    });
    connect(no_, &HoverLabel::clicked, this, [this] {
        context_.services.sounds->play(QStringLiteral("спасибо"));
        exitTimer_.start(1000);
    });
    connect(ok_, &HoverLabel::clicked, this, &ResultsScreen::print);
    connect(cancel_, &HoverLabel::clicked, this, [this] {
        context_.services.sounds->play(QStringLiteral("спасибо"));
        endRun();
    });
    exitTimer_.setObjectName(QStringLiteral("Timer2"));
    connect(&exitTimer_, &QTimer::timeout, this, &ResultsScreen::exitTick);
}

void ResultsScreen::buildLogWarning()
{
    logWarning_ = makeWrappedLabel(QStringLiteral("ЖурналПредупреждение"), QString(),
                                   QColor(200, 0, 0), this, true);
    logWarning_->resize(metrics().px(QSizeF(10400, 700)));
    logWarning_->hide();
    logNotice_ = new LogNotice(context_.log, logWarning_, this);
}

void ResultsScreen::activate()
{
    context_.services.sounds->play(QStringLiteral("click2"));
    layOut();
    context_.navigator.setMenuExitIconVisible(false);
    exitIcon_->show();
    keySink_->setFocus();

    PupilRecord &pupil = context_.pupil;
    greeting_->setText(ResultsPage::greeting(pupil.PupilName));
    greeting_->adjustSize();
    greeting_->move((task_->width() - greeting_->width()) / 2,
                    (task_->height() - greeting_->height()) / 2);
    if (pupil.TasksShown == 0)
        pupil.TasksShown = 1;
    const ResultsPage::Verdict verdict =
        ResultsPage::verdictFor(pupil.TasksShown, pupil.CorrectTotal);
    switch (verdict) {
    case ResultsPage::Verdict::TooLittle: break;
    case ResultsPage::Verdict::Poor:
        poor_->show();
        context_.services.sounds->play(QStringLiteral("FANFAR08"));
        break;
    case ResultsPage::Verdict::Fair:
    case ResultsPage::Verdict::Good:
        good_->show();
        context_.services.sounds->play(QStringLiteral("SUCCESS"));
        break;
    }
    verdict_->setText(ResultsPage::verdictText(verdict));
    tasksShown_->setText(QStringLiteral("Общее количество ответов: ") +
                         QString::number(pupil.TasksShown));
    correctTotal_->setText(QStringLiteral("Количество правильных ответов: ") +
                           QString::number(pupil.CorrectTotal));
    correctList_->setText(QStringLiteral("Правильные ответы: ") + pupil.CorrectList);
    wrongList_->setText(QStringLiteral("Неправильные ответы: ") + pupil.WrongList);
    logNotice_->refresh();
}

void ResultsScreen::layOut()
{
    const ScreenMetrics m = metrics();
    ScreenLayout::ResultsInput in;
    static_cast<ScreenLayout::WorkWindowInput &>(in) = frameInput(ScreenLayout::titleBarHeight);
    in.task = m.twips(task_->size());
    in.greeting = m.twips(greeting_->size());
    in.verdictFrame = m.twips(verdictFrame_->size());
    in.verdict = m.twips(verdict_->size());
    in.figures = m.twips(figures_->size());
    in.question = m.twips(question_->size());
    in.buttons = m.twips(buttons_->size());
    in.yes = m.twips(yes_->size());
    in.no = m.twips(no_->size());
    in.ok = m.twips(ok_->size());
    in.cancel = m.twips(cancel_->size());
    in.menu = m.twips(menu_->size());
    in.exit = m.twips(exit_->size());
    const ScreenLayout::ResultsGeometry g = ScreenLayout::resultsScreen(in);

    applyFrame(g);
    task_->move(m.px(g.task).topLeft());
    verdictFrame_->move(m.px(g.verdictFrame).topLeft());
    verdict_->move(m.px(g.verdict).topLeft());
    figures_->move(m.px(g.figures).topLeft());
    question_->move(m.px(g.question).topLeft());
    buttons_->move(m.px(g.buttons).topLeft());
    yes_->move(m.px(g.yes).topLeft());
    no_->move(m.px(g.no).topLeft());
    ok_->move(m.px(g.ok).topLeft());
    cancel_->move(m.px(g.cancel).topLeft());
    placeBottomLabel(menu_, g.menu);
    placeBottomLabel(exit_, g.exit);
    // The verdict pictures stand left of the verdict and the figures.
    const QPoint picture = m.px(QRectF(400, g.verdictFrame.top(), 1, 1)).topLeft();
    poor_->move(picture);
    good_->move(picture);
    logWarning_->move(m.px(QRectF(300, g.buttons.bottom() + 100, 1, 1)).topLeft());
    keySink_->move(m.px(-4000.0), 0);
}

void ResultsScreen::exitStep()
{
    context_.services.sounds->play(QStringLiteral("click2"));
    context_.log.writeTotal();
    question_->show();
    buttons_->show();
    askPrint_->setText(QStringLiteral("Хотите напечатать результаты?"));
    yes_->show();
    no_->show();
    exitIcon_->hide();
    setBottomLabelVisible(exit_, false);
    setBottomLabelVisible(menu_, false);
    logNotice_->refresh();
}

void ResultsScreen::print()
{
    context_.services.sounds->play(QStringLiteral("спасибо"));
    const PrintResult result = context_.services.printer->print(
        ResultsPage::printedLines(context_.services.clock->now(), context_.pupil));
    switch (result.outcome) {
    case PrintResult::Outcome::Printed: break;
    case PrintResult::Outcome::SavedAsPdf:
        askPrint_->setText(QStringLiteral("Принтер не найден. Страница сохранена в файл: ") +
                           result.path);
        break;
    case PrintResult::Outcome::Failed:
        askPrint_->setText(QStringLiteral("Напечатать не удалось, и файл не сохранён: ") +
                           result.path);
        break;
    }
}

void ResultsScreen::exitTick()
{
    ++exitTicks_;
    if (exitTicks_ == 3) {
        exitTimer_.stop();
        endRun();
    }
}

void ResultsScreen::endRun()
{
    logNotice_->endRun([this] { context_.navigator.endProgram(); });
}

void ResultsScreen::restColours()
{
    WorkWindow::restColours();
    for (HoverLabel *label : {yes_, no_, ok_, cancel_})
        Colours::setBackground(label, Colours::lightYellow);
}

} // namespace zorbiks
