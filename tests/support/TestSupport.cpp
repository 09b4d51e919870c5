#include "support/TestSupport.h"

#include "app/Startup.h"
#include "log/Cp1251.h"
#include "shell/Stage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStringDecoder>
#include <QTest>

namespace zorbiks::test {

void FakeNavigator::leaveToMenu(QWidget *screen, Section section, bool showSectionList)
{
    calls << QStringLiteral("leaveToMenu %1 %2")
                 .arg(sectionNames(section).list, showSectionList ? "show" : "hide");
    if (screen)
        screen->hide();
}

void FakeNavigator::showMenu(QWidget *from)
{
    calls << QStringLiteral("showMenu");
    if (from)
        from->hide();
}

void FakeNavigator::repeatExercise(const QString &code)
{
    calls << QStringLiteral("repeat ") + code;
    if (onRepeat)
        onRepeat(code);
}

void FakeNavigator::showResults(QWidget *from, bool hideFrom)
{
    calls << QStringLiteral("showResults %1").arg(hideFrom ? "hide" : "keep");
    if (from && hideFrom)
        from->hide();
}

void FakeNavigator::hideSectionList(Section section)
{
    calls << QStringLiteral("hideSectionList ") + sectionNames(section).list;
}

void FakeNavigator::setMenuPictureVisible(const QString &name, bool visible)
{
    calls << QStringLiteral("menuPicture %1 %2").arg(name, visible ? "show" : "hide");
}

void FakeNavigator::setMenuExitIconVisible(bool visible)
{
    calls << QStringLiteral("menuExitIcon %1").arg(visible ? "show" : "hide");
}

void pressKey(QWidget *target, int key, const QString &text, Qt::KeyboardModifiers modifiers,
              quint32 scanCode)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, scanCode, 0, 0, text);
    QApplication::sendEvent(target, &release);
}

void releaseKey(QWidget *target, int key, quint32 scanCode)
{
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, scanCode, 0, 0, QString());
    QApplication::sendEvent(target, &release);
}

void typeText(QWidget *target, const QString &text)
{
    for (QChar c : text) {
        const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        const Qt::KeyboardModifiers modifiers = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        pressKey(target, key, QString(c), modifiers);
    }
}

void hover(QWidget *widget, QPoint at)
{
    if (at.x() < 0)
        at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void leftClick(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString rectText(const QRectF &rect)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

QString fileText1251(const QString &path)
{
    QStringDecoder decoder("windows-1251");
    return decoder.decode(fileBytes(path));
}

const Question &questionOf(const QString &code)
{
    const Question *question = Catalogue::find(code);
    if (!question)
        qFatal("no question %s", qPrintable(code));
    return *question;
}

ExerciseRig::ExerciseRig(const Question &question, const QSize &stageSize)
    : ExerciseRig(question, question.make(), stageSize)
{}

ExerciseRig::ExerciseRig(const Question &question, std::unique_ptr<Exercise> exercise,
                         const QSize &stageSize)
    : services(fakes.take())
    , logPath(folder.filePath(QStringLiteral("log.txt")))
    , log(pupil, *services->settings, *services->clock, logPath,
          folder.filePath(QStringLiteral("spool")))
{
    DisplayScale::set(DisplayScale::forScreen(stageSize));
    navigator.size = stageSize;
    stage.resize(stageSize);
    screen = new ExerciseScreen(ScreenContext{*services, pupil, log, navigator}, question,
                                std::move(exercise), &stage);
    stage.show();
    navigator.onRepeat = [this](const QString &) { open(); };
}

ExerciseRig::~ExerciseRig()
{
    delete screen;
    DisplayScale::set(1);
}

void ExerciseRig::open()
{
    screen->show();
    screen->raise();
    screen->activate();
}

QString ExerciseRig::text(const QString &name) const
{
    QWidget *widget = find(name);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    return widget->property("title").toString();
}

QLineEdit *ExerciseRig::box() const
{
    return find<QLineEdit>(QStringLiteral("Ответ"));
}

void ExerciseRig::answer(const QString &typed)
{
    box()->clear();
    typeText(box(), typed);
    click(QStringLiteral("ОК"));
}

AppRig::AppRig(const QStringList &arguments, const QString &home,
               std::optional<double> displayScale)
    : logPath(QDir(home.isEmpty() ? folder.path() : home).filePath(QStringLiteral("log.txt")))
{
    fakes.settings->location = logPath;
    fakes.settings->scale = displayScale;
    // Records a test leaves unwritten stay with its own run.
    qputenv("ZORBIKS_SPOOL",
            QFile::encodeName(
                QDir(home.isEmpty() ? folder.path() : home).filePath(QStringLiteral("spool"))));
    stage = static_cast<Stage *>(startApplication(arguments, fakes.take()));
}

AppRig::~AppRig()
{
    delete stage;
}

QWidget *AppRig::screen(const QString &name) const
{
    return stage->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
}

QString AppRig::log() const
{
    waitForLog();
    return fileText1251(logPath);
}

void AppRig::waitForLog() const
{
    if (!stage->log().waitForWriter(20000))
        qWarning("the log's writer is still busy");
    QCoreApplication::processEvents();
}

void AppRig::registerPupil(const QString &surname)
{
    typeText(child("Титул1", QStringLiteral("Text1")), surname);
    click(QStringLiteral("Титул1"), QStringLiteral("Далее"));
}

void AppRig::openTeacherScreen()
{
    click(QStringLiteral("Титул1"), QStringLiteral("Label5"));
    typeText(child("Титул1", QStringLiteral("Text3")), QStringLiteral("482915"));
    click(QStringLiteral("Титул1"), QStringLiteral("Command1"));
}

} // namespace zorbiks::test
