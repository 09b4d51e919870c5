#include "shell/Stage.h"

#include "exercise/ExerciseScreen.h"
#include "screen/DisplayScale.h"
#include "screen/Fonts.h"
#include "shell/MainMenu.h"
#include "shell/RegistrationScreen.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>

namespace zorbiks {

Stage::Stage(std::unique_ptr<Services> services, StageParts parts, bool windowed)
    : services_(std::move(services))
    , parts_(std::move(parts))
    , windowed_(windowed)
    , log_(std::make_unique<ResultsLog>(
          pupil_, *services_->settings, *services_->clock,
          ResultsLog::defaultLocationOfThisSystem(), ResultsLog::spoolLocationOfThisSystem(),
          ResultsLog::Thread::Own)) // the pupil never waits for the disk
{
    setObjectName(QStringLiteral("Stage"));
    setWindowTitle(QStringLiteral("Зорбикс"));
    // Full screen, above every ordinary window, also when another program
    // asks the window manager to bring its own window up.
    if (!windowed_)
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    services_->lock->attachWindow(this);
}

Stage::~Stage()
{
    // The screens use the services and the record: they go first.
    const QList<QWidget *> screens = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    qDeleteAll(screens);
    DisplayScale::set(1);
}

ScreenContext Stage::context()
{
    return ScreenContext{*services_, pupil_, *log_, *this};
}

void Stage::finishRun()
{
    // The log first: it reads the settings store and the clock.
    log_.reset();
    services_.reset();
}

void Stage::start()
{
    if (windowed_) {
        resize(1024, 768);
        show();
    } else {
        // Without a window manager a full-screen window keeps its natural
        // size, so it is given the screen's first.
        if (QScreen *current = screen())
            setGeometry(current->geometry());
        showFullScreen();
    }
    // Every screen is built at the scale of the screen the stage has taken.
    DisplayScale::set(
        services_->settings->displayScale().value_or(DisplayScale::forScreen(size())));
    setFont(arialFont(8.25));
    registration_ = new RegistrationScreen(context(), this);
    registration_->setGeometry(rect());
    bringToFront(registration_);
}

void Stage::bringToFront(Screen *screen)
{
    screen->show();
    screen->raise();
    screen->activate();
}

Screen *Stage::ensure(Screen *&screen, const ScreenFactory &factory)
{
    if (!screen && factory)
        screen = factory(context(), this);
    return screen;
}

MainMenu *Stage::ensureMenu()
{
    if (!menu_) {
        QList<QuestionButton> buttons;
        for (const Question &question : std::as_const(parts_.questions))
            buttons.append({question.code, question.caption, question.make != nullptr});
        menu_ = new MainMenu(context(), buttons, this);
        connect(menu_, &MainMenu::questionChosen, this, &Stage::openExercise);
        connect(menu_, &MainMenu::resultsRequested, this, &Stage::openResultsFromMenu);
        connect(menu_, &MainMenu::helpRequested, this, &Stage::openHelpFromMenu);
    }
    return menu_;
}

const Question *Stage::question(const QString &code) const
{
    for (const Question &question : parts_.questions) {
        if (question.code == code)
            return &question;
    }
    return nullptr;
}

ExerciseScreen *Stage::exerciseScreen(const QString &code)
{
    if (ExerciseScreen *screen = exercises_.value(code))
        return screen;
    const Question *question = this->question(code);
    if (!question || !question->make)
        return nullptr;
    auto *screen = new ExerciseScreen(context(), *question, question->make(), this);
    exercises_.insert(code, screen);
    return screen;
}

// ---- the menu's actions -----------------------------------------------------

void Stage::openExercise(const QString &code)
{
    ExerciseScreen *screen = exerciseScreen(code);
    if (!screen || !menu_)
        return;
    screen->show();
    screen->raise();
    screen->activate(); // puts the focus into `Ответ` on typed screens (К1, К2 …)
    menu_->setEnabled(false);
    menu_->setExitIconVisible(false);
}

void Stage::openResultsFromMenu()
{
    menu_->hideAllLists();
    showResults(nullptr, false);
}

void Stage::openHelpFromMenu()
{
    menu_->hideAllLists();
    if (Screen *help = ensure(help_, parts_.help)) {
        menu_->setEnabled(false);
        bringToFront(help);
    }
}

// ---- Navigator --------------------------------------------------------------

QSize Stage::stageSize() const
{
    return size();
}

ScreenMetrics Stage::metrics() const
{
    return ScreenMetrics(logicalDpiX(), DisplayScale::factor());
}

double Stage::workWindowTop() const
{
    return menu_ ? menu_->tabStripBottom() : 0.0;
}

void Stage::leaveToMenu(QWidget *screen, Section section, bool showSectionList)
{
    MainMenu *menu = ensureMenu();
    menu->setEnabled(true);
    if (screen)
        screen->hide();
    bringToFront(menu);
    menu->setListVisible(section, showSectionList);
}

void Stage::showMenu(QWidget *from)
{
    MainMenu *menu = ensureMenu();
    menu->setEnabled(true);
    // Full-screen screens stay where they are, under the menu.
    if (from && from != registration_ && from != teacher_)
        from->hide();
    bringToFront(menu);
}

void Stage::repeatExercise(const QString &code)
{
    if (!menu_)
        return;
    menu_->setEnabled(true);
    menu_->setListVisible(sectionOfCode(code), true);
    if (QPushButton *button = menu_->questionButton(code)) {
        button->setFocus();
        button->click(); // opens the exercise again, with new data
    }
}

void Stage::showResults(QWidget *from, bool hideFrom)
{
    Screen *results = ensure(results_, parts_.results);
    if (!results)
        return;
    if (from && hideFrom)
        from->hide();
    if (menu_)
        menu_->setEnabled(false);
    bringToFront(results);
}

void Stage::hideSectionList(Section section)
{
    if (menu_)
        menu_->setListVisible(section, false);
}

void Stage::enableMenuPictures()
{
    if (menu_)
        menu_->enableTabPictures();
}

void Stage::setMenuPictureVisible(const QString &name, bool visible)
{
    if (QWidget *picture = menu_ ? menu_->findChild<QWidget *>(name) : nullptr)
        picture->setVisible(visible);
}

void Stage::setMenuExitIconVisible(bool visible)
{
    if (menu_)
        menu_->setExitIconVisible(visible);
}

void Stage::showTeacherScreen()
{
    if (Screen *teacher = ensure(teacher_, parts_.teacher)) {
        teacher->setGeometry(rect());
        bringToFront(teacher);
    }
}

void Stage::returnToRegistration()
{
    services_->lock->release();
    if (teacher_)
        teacher_->hide();
    registration_->raise();
    registration_->returnFromTeacher();
}

void Stage::endProgram()
{
    if (ending_)
        return;
    ending_ = true;
    services_->lock->release();
    services_->keyboardLayout->restore();
    emit programEnded();
    QCoreApplication::quit();
}

// ---- the window -------------------------------------------------------------

void Stage::closeEvent(QCloseEvent *event)
{
    // The title bar's close, Alt+F4 and the window manager are all refused;
    // only the program's own end closes the stage.
    if (ending_)
        event->accept();
    else
        event->ignore();
}

void Stage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    for (QWidget *screen :
         {static_cast<QWidget *>(registration_), static_cast<QWidget *>(teacher_)}) {
        if (screen)
            screen->setGeometry(rect());
    }
    if (menu_)
        menu_->layOut();
}

} // namespace zorbiks
