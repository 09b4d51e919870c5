// Every click plays exactly the sounds its screen names, in order: the
// screen's own sound and the sound of the screen it brings up (the menu's
// activation, an exercise's show step, the results screen's show step).
// `Повтор` sounds by the show step it runs again, the results tab and `Выход`
// by the results screen.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "exercise/Exercise.h"
#include "exercise/ExerciseScreen.h"
#include "shell/Stage.h"

#include <QLineEdit>
#include <QTest>

#include <functional>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

using Steps = std::function<void(AppRig &)>;

// Answers the exercise on the screen right.
void answerRight(AppRig &app, const QString &code)
{
    typeText(app.child(code, "Ответ"), app.stage->exerciseScreen(code)->exercise().rightAnswer());
    app.click(code, "ОК");
}

void openResults(AppRig &app, int shown, int correct)
{
    app.stage->pupil().TasksShown = qint16(shown);
    app.stage->pupil().CorrectTotal = qint16(correct);
    app.click("Титул", "Рез");
}

struct Case {
    const char *what;
    Steps before; // after registration
    Steps action;
    QStringList played;
};

QList<Case> cases()
{
    const auto nothing = [](AppRig &) {};
    const auto k1 = [](AppRig &app) { app.click("Титул", "К_1"); };
    const auto k1Right = [](AppRig &app) {
        app.click("Титул", "К_1");
        answerRight(app, "К1");
    };
    const auto results = [](AppRig &app) { openResults(app, 1, 0); };
    const auto exit = [](AppRig &app) {
        openResults(app, 1, 0);
        app.click("Результат", "Выход");
    };
    const auto ready = [=](AppRig &app) {
        exit(app);
        app.click("Результат", "Да");
    };
    const auto help = [](AppRig &app) { app.click("Титул", "справка"); };
    const auto click = [](const char *screen, const char *name) {
        return [=](AppRig &app) { app.click(screen, name); };
    };
    return {
        {"a section's tab",
         nothing,
         [](AppRig &app) {
             hover(app.child("Титул", "логика"));
             app.click("Титул", "логика2");
         },
         {"click2"}},
        {"a question's button: the show step, nothing of the menu's", nothing, k1, {"click2"}},
        {"an empty answer", k1, click("К1", "ОК"), {"нет"}},
        {"a wrong answer",
         k1,
         [](AppRig &app) {
             typeText(app.child("К1", "Ответ"), "1");
             app.click("К1", "ОК");
         },
         {"нет"}},
        {"a right answer", k1, [](AppRig &app) { answerRight(app, "К1"); }, {"sloos1"}},
        {"`Повтор`: the show step again", k1Right, click("К1", "Повтор"), {"click2"}},
        {"`Вопросы`: the menu's activation", k1Right, click("К1", "Вопросы"), {"click2"}},
        {"`Меню`", k1Right, click("К1", "Меню"), {"click2"}},
        {"`Сдаюсь`", k1, click("К1", "Сдаюсь"), {"click2"}},
        {"an exercise's exit cross: the results screen",
         k1Right,
         click("К1", "Image1"),
         {"click2"}},
        {"Л4's exit cross sounds first itself",
         [](AppRig &app) {
             hover(app.child("Титул", "логика"));
             app.click("Титул", "логика2");
             app.click("Титул", "Л_4");
             answerRight(app, "Л4");
         },
         click("Л4", "Image1"),
         {"click2", "click2"}},
        {"the results tab, too little work", nothing, results, {"click2"}},
        {"the results tab, a poor result",
         nothing,
         [](AppRig &app) { openResults(app, 5, 3); },
         {"click2", "FANFAR08"}},
        {"the results tab, a fair result",
         nothing,
         [](AppRig &app) { openResults(app, 10, 7); },
         {"click2", "SUCCESS"}},
        {"the results screen's `Меню`, then the menu's activation",
         results,
         click("Результат", "Меню"),
         {"click2", "click2"}},
        {"`Выход`", results, click("Результат", "Выход"), {"click2"}},
        {"`Да`", exit, click("Результат", "Да"), {"click2"}},
        {"`Нет`", exit, click("Результат", "Нет"), {"спасибо"}},
        {"`ОК` prints", ready, click("Результат", "ОК"), {"спасибо"}},
        {"`Отмена`", ready, click("Результат", "Отмена"), {"спасибо"}},
        {"the help tab", nothing, help, {"click2"}},
        {"help's `Меню`, then the menu's activation",
         help,
         click("Справ", "Меню"),
         {"click2", "click2"}},
        {"help's `Выход`, then the results screen",
         help,
         click("Справ", "Выход"),
         {"click2", "click2"}},
        {"help's exit cross: only the results screen", help, click("Справ", "Image2"), {"click2"}},
        {"the Windows key",
         nothing,
         [](AppRig &app) { releaseKey(app.child("Титул", "Text1"), Qt::Key_Meta, 133); },
         {"error"}},
    };
}

} // namespace

class SoundsTest : public QObject {
    Q_OBJECT
private slots:
    void registrationLoadsWithSloos1AndAcceptsWithTheMenusClick()
    {
        AppRig app;
        QCOMPARE(app.fakes.sounds->played, QStringList{"sloos1"});
        typeText(app.child("Титул1", "Text1"), "Пе");
        app.click("Титул1", "Далее");
        QCOMPARE(app.fakes.sounds->played, (QStringList{"sloos1", "error"}));
        typeText(app.child("Титул1", "Text1"), "тров");
        app.click("Титул1", "Далее");
        QCOMPARE(app.fakes.sounds->played, (QStringList{"sloos1", "error", "click2"}));
    }

    void everyClickPlaysWhatItsScreenNames()
    {
        for (const Case &c : cases()) {
            AppRig app;
            app.registerPupil();
            c.before(app);
            const qsizetype before = app.fakes.sounds->played.size();
            c.action(app);
            const QStringList played = app.fakes.sounds->played.mid(before);
            QVERIFY2(played == c.played,
                     qPrintable(QStringLiteral("%1: played %2, not %3")
                                    .arg(QString::fromUtf8(c.what), played.join(' '),
                                         c.played.join(' '))));
        }
    }
};

ZORBIKS_TEST(SoundsTest)
#include "SoundsTest.moc"
