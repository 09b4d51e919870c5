#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "exercise/ExerciseScreen.h"
#include "log/LogFormat.h"
#include "log/ResultsLog.h"
#include "screen/Colours.h"
#include "shell/MainMenu.h"
#include "shell/Stage.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

struct Menu : AppRig {
    Menu() { registerPupil(); }
    QWidget *menuChild(const QString &name) const { return child("Титул", name); }
    bool shown(const QString &name) const { return menuChild(name)->isVisible(); }
    QColor colour(const QString &button) const { return Colours::backgroundOf(menuChild(button)); }
    QStringList visibleLists() const
    {
        QStringList lists;
        for (const QString name : {"код", "лог", "про", "инф"})
            if (shown(name))
                lists << name;
        return lists;
    }
    QStringList highlightedTabs() const
    {
        QStringList tabs;
        for (const QString name : {"кодир2", "логика2", "прогр2", "инфор2", "рез2", "справка2"})
            if (shown(name))
                tabs << name;
        return tabs;
    }
};

// The main menu alone on a stage of its own, with the catalogue's buttons;
// those of the questions `available` rejects are not built.
struct BareMenu {
    explicit BareMenu(std::function<bool(const QString &)> available =
                          [](const QString &) { return true; })
        : services(fakes.take())
        , log(pupil, *services->settings, *services->clock, QString())
    {
        stage.resize(1024, 768);
        QList<QuestionButton> buttons;
        for (const Question &question : Catalogue::questions())
            buttons.append({question.code, question.caption, available(question.code)});
        menu = new MainMenu(ScreenContext{*services, pupil, log, navigator}, buttons, &stage);
        stage.show();
        menu->show();
        menu->activate();
    }
    QWidget *child(const QString &name) const { return menu->findChild<QWidget *>(name); }

    FakeServices fakes;
    std::unique_ptr<Services> services;
    PupilRecord pupil;
    ResultsLog log;
    FakeNavigator navigator;
    QWidget stage;
    MainMenu *menu = nullptr;
};

} // namespace

class MenuTest : public QObject {
    Q_OBJECT
private slots:
    void firstShowing()
    {
        Menu app;
        QCOMPARE(app.visibleLists(), QStringList{"код"});
        QCOMPARE(app.highlightedTabs(), QStringList{});
        QCOMPARE(app.colour("К_1"), Colours::lavender);
        QCOMPARE(app.fakes.sounds->played.last(), QStringLiteral("click2"));
        QVERIFY(app.shown("Image3"));
        QCOMPARE(app.menuChild("Text1")->x(), -133); // −2000 twips
        QCOMPARE(static_cast<QPushButton *>(app.menuChild("К_1"))->text(),
                 QStringLiteral("К1. Кодировка  в Unicode"));
        QCOMPARE(static_cast<QPushButton *>(app.menuChild("И_7"))->text(),
                 QStringLiteral("И7. Выравниваниетекста "));
        // All 28 questions are built.
        const QList<QPushButton *> buttons =
            app.screen("Титул")->findChildren<QPushButton *>(QRegularExpression("^[КЛПИ]_\\d+$"));
        QCOMPARE(buttons.size(), 28);
        for (QPushButton *button : buttons)
            QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    }

    void everyQuestionOpensItsScreen()
    {
        // Each line of the catalogue: its button in its section's list, and
        // the screen it opens, named by the code, headed by its section.
        Menu app;
        for (const Question &question : Catalogue::questions()) {
            const QString &code = question.code;
            const SectionNames &names = sectionNames(question.section());
            hover(app.menuChild(names.tabPicture));
            app.click("Титул", names.tabPicture + "2");
            QCOMPARE(app.visibleLists(), QStringList{names.list});
            auto *button = static_cast<QPushButton *>(app.menuChild(questionButtonName(code)));
            QCOMPARE(button->text(), question.caption);
            QVERIFY2(button->isVisible(), qPrintable(code));
            app.click("Титул", questionButtonName(code));
            auto *screen = qobject_cast<ExerciseScreen *>(app.screen(code));
            QVERIFY2(screen && screen->isVisible(), qPrintable(code));
            const QString &section = names.title;
            QCOMPARE(
                screen->findChild<QLabel *>(screen->exercise().traits().frame.headingName)->text(),
                section + ", " + code);
            QCOMPARE(app.child<QLabel>(code, "Вопросы")->text(), section);
            const bool typed = screen->exercise().traits().kind == ExerciseKind::Typed;
            QCOMPARE(screen->findChild<QWidget *>("Ответ") != nullptr, typed);
            QCOMPARE(screen->findChild<QWidget *>("Ответы") != nullptr, !typed);
            QVERIFY(!app.screen("Титул")->isEnabled());
            app.click(code, "Вопросы"); // hidden until an answer, but it takes the click
            QVERIFY2(screen->isHidden(), qPrintable(code));
            QCOMPARE(app.visibleLists(), QStringList{names.list});
        }
        QCOMPARE(app.stage->pupil().TasksShown, qint16(LogFormat::questionCount));
    }

    void tabHoverUnhighlightsOnlyTheNeighbours()
    {
        Menu app;
        hover(app.menuChild("кодир"));
        QCOMPARE(app.highlightedTabs(), QStringList{"кодир2"});
        // A fast move that skips the tabs in between leaves the first one lit.
        hover(app.menuChild("Label9")); // the caption of the fourth tab
        QCOMPARE(app.highlightedTabs(), (QStringList{"кодир2", "инфор2"}));
        hover(app.menuChild("логика"));
        QCOMPARE(app.highlightedTabs(), (QStringList{"логика2", "инфор2"}));
        hover(app.menuChild("Picture2"), QPoint(5, 2));
        QCOMPARE(app.highlightedTabs(), QStringList{});
    }

    void buttonHoverPaintsOnlyTheNeighboursBack()
    {
        BareMenu bare;
        const auto colour = [&](const QString &name) {
            return Colours::backgroundOf(bare.child(name));
        };
        hover(bare.child("К_1"));
        hover(bare.child("К_3"));
        QCOMPARE(colour("К_3"), QColor(255, 255, 192));
        QCOMPARE(colour("К_2"), Colours::lavender);
        QCOMPARE(colour("К_4"), Colours::lavender);
        QCOMPARE(colour("К_1"), QColor(255, 255, 192));
        hover(bare.child("код"), QPoint(2, 2));
        QCOMPARE(colour("К_1"), Colours::lavender);
        QCOMPARE(colour("К_3"), Colours::lavender);
    }

    void aQuestionNotBuiltIsDisabled()
    {
        BareMenu bare([](const QString &code) { return code != QStringLiteral("И8"); });
        QVERIFY(!bare.child("И_8")->isEnabled());
        QVERIFY(bare.child("И_7")->isEnabled());
        hover(bare.child("И_8"));
        QCOMPARE(Colours::backgroundOf(bare.child("И_8")), Colours::lavender);
        leftClick(bare.child("И_8"));
        QCOMPARE(bare.navigator.calls, QStringList());
    }

    void sectionTabsAndWorkArea()
    {
        Menu app;
        hover(app.menuChild("логика"));
        app.click("Титул", "логика2");
        QCOMPARE(app.visibleLists(), QStringList{"лог"});
        QCOMPARE(app.fakes.sounds->played.last(), QStringLiteral("click2"));
        QCOMPARE(app.stage->focusWidget(), app.menuChild("Text1"));
        // The lists of the other sections stand under their own tabs.
        QCOMPARE(app.menuChild("лог")->x(), app.menuChild("логика")->x());
        hover(app.menuChild("инфор"));
        app.click("Титул", "Label10");
        QCOMPARE(app.visibleLists(), QStringList{"инф"});
        QCOMPARE(app.menuChild("инф")->x(), app.menuChild("инфор")->x());

        app.click("Титул", "Picture3");
        QCOMPARE(app.visibleLists(), QStringList{"код"});
    }

    // What is on the screen is what the widgets draw: the menu keeps its look
    // and is not repainted when an exercise or the results take its input
    // away and give it back.
    void theScreenShowsWhatTheWidgetsDraw()
    {
        Menu app;
        const auto same = [&](const char *step) {
            QCoreApplication::processEvents();
            const QImage shown = app.stage->screen()
                                     ->grabWindow(app.stage->winId())
                                     .toImage()
                                     .convertToFormat(QImage::Format_RGB32);
            const QImage drawn = app.stage->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!shown.isNull() && shown == drawn, step);
        };
        same("menu");
        app.click("Титул", "К_1");
        same("К1 over the menu");
        app.click("К1", "Сдаюсь");
        same("back in the menu");
        app.click("Титул", "Рез");
        same("results over the menu");
    }

    void exerciseOverTheDisabledMenu()
    {
        Menu app;
        app.click("Титул", "К_1");
        QWidget *k1 = app.screen("К1");
        QVERIFY(k1->isVisible());
        QVERIFY(!app.screen("Титул")->isEnabled());
        QVERIFY(!app.shown("Image3"));
        QVERIFY(!app.shown("код"));
        QCOMPARE(app.stage->focusWidget(), app.child("К1", "Ответ"));
        // Centred under the tab strip.
        QCOMPARE(k1->x(), (app.stage->width() - k1->width()) / 2);
        QCOMPARE(k1->y(), app.menuChild("Picture3")->y());
        QVERIFY(qAbs(k1->width() - 733) <= 1 && qAbs(k1->height() - 520) <= 1);

        app.click("К1", "Сдаюсь");
        QVERIFY(app.screen("Титул")->isEnabled());
        QCOMPARE(app.visibleLists(), QStringList{"код"});
        QVERIFY(k1->isHidden());
        QCOMPARE(app.fakes.sounds->played.mid(app.fakes.sounds->played.size() - 2),
                 (QStringList{"click2", "click2"})); // the exercise, then the menu again
    }

    void menuLeavesNoListAndTheWorkAreaBringsEncodingBack()
    {
        Menu app;
        hover(app.menuChild("логика"));
        app.click("Титул", "логика2");
        app.click("Титул", "Л_1");
        QVERIFY(!app.shown("лог"));
        const int option =
            static_cast<ExerciseScreen *>(app.screen("Л1"))->exercise().correctOption();
        app.click("Л1", QStringLiteral("Отв%1").arg(option));
        app.click("Л1", "Меню");
        QCOMPARE(app.visibleLists(), QStringList{});
        QVERIFY(app.shown("логика"));
        app.click("Титул", "Picture3");
        QCOMPARE(app.visibleLists(), QStringList{"код"});
    }

    void repeatPressesTheQuestionButton()
    {
        Menu app;
        app.click("Титул", "К_1");
        auto *box = app.child<QLineEdit>("К1", "Ответ");
        const QString characters = app.child<QLabel>("К1", "Label4")->text();
        typeText(box, QString::number(16 * characters.toInt()));
        app.click("К1", "ОК");
        app.click("К1", "Повтор");
        QCOMPARE(app.stage->pupil().TasksShown, qint16(2));
        QVERIFY(app.child<QLabel>("К1", "Label4")->text() != characters);
        QVERIFY(!app.screen("Титул")->isEnabled());
        QCOMPARE(app.stage->focusWidget(), box);
    }

    void resultsAndHelpTabs()
    {
        Menu app;
        app.click("Титул", "Рез");
        QVERIFY(app.screen("Результат")->isVisible());
        QVERIFY(!app.screen("Титул")->isEnabled());
        QCOMPARE(app.visibleLists(), QStringList{});
        QVERIFY(!app.shown("Image3"));
        app.click("Результат", "Меню");
        QVERIFY(app.screen("Титул")->isEnabled());
        QVERIFY(!app.screen("Результат")->isVisible());
        app.click("Титул", "Label13"); // anywhere on the Help tab
        QVERIFY(app.screen("Справ")->isVisible());
        QVERIFY(!app.screen("Титул")->isEnabled());
        app.click("Титул", "Image3");
        QVERIFY(app.screen("Справ")->isVisible()); // the menu takes no input now
    }

    void exitIconLeadsToTheResults()
    {
        Menu app;
        app.click("Титул", "Image3");
        QVERIFY(app.screen("Результат")->isVisible());
    }

    void closeRequestsAreRefused()
    {
        Menu app;
        QVERIFY(!app.stage->close());
        QVERIFY(app.stage->isVisible());
        app.click("Титул", "К_1");
        QVERIFY(!app.stage->close());
        QVERIFY(app.screen("К1")->isVisible());
    }
};

ZORBIKS_TEST(MenuTest)
#include "MenuTest.moc"
