// Every quirk of the exercise screens is a trait of ExerciseScreen. These
// tests drive small probe exercises with one trait set at a time.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "drawing/Options.h"
#include "drawing/TaskText.h"
#include "screen/Colours.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

using Filter = std::function<KeyVerdict(ushort)>;

// A typed probe accepts "42"; a choice probe has four options, the third
// right, each with a companion frame.
class Probe final : public Exercise {
public:
    Probe(ExerciseTraits traits, Filter filter = {})
        : Exercise(std::move(traits))
        , filter_(std::move(filter))
    {}

    void buildView(ExerciseView &view) override
    {
        addText(view.task, "Label1", "Пробное задание");
        for (QGroupBox *frame : view.explanations)
            addText(frame, "Label5", "Пояснение");
        if (traits().kind != ExerciseKind::Choice)
            return;
        view.setOptions(
            addOptions(view.answers, view.metrics, "Отв", {"1", "2", "3", "4"}, OptionStyle{}));
        for (int i = 0; i < 4; ++i) {
            auto *companion = new QGroupBox(view.task);
            companion->setObjectName(QString("Отв1%1").arg(i + 1));
            view.options[i].companion = companion;
        }
    }
    void drawTask(RandomSource &) override {}
    bool isCorrect(const QString &answer) const override { return answer == "42"; }
    KeyVerdict filterKey(ushort code, qint16) const override
    {
        return filter_ ? filter_(code) : KeyVerdict{code, {}, {}};
    }
    int correctOption() const override { return 3; }

private:
    Filter filter_;
};

ExerciseTraits typed()
{
    return {};
}

ExerciseTraits choice()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.explanationCaptions = {" Пояснение 1", " Пояснение 2"},
                      .explanationSizes = {{10400, 600}, {10400, 600}}}};
}

// A probe on the screen of the question `code`.
struct Rig : ExerciseRig {
    Rig(const QString &code, ExerciseTraits traits, Filter filter = {})
        : ExerciseRig(questionOf(code),
                      std::make_unique<Probe>(std::move(traits), std::move(filter)))
    {
        open();
    }
};

} // namespace

class TraitsTest : public QObject {
    Q_OBJECT
private slots:
    void tokensAndListEntries_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("blankTokens");
        QTest::addColumn<bool>("repeatBlank");
        QTest::addColumn<bool>("correctAfterWrong");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("wrongList");
        // A task answered wrongly then rightly, `Повтор`, a task answered
        // rightly at once, `Вопросы`.
        QTest::newRow("encoding") << "К2" << true << false << false << " К2 - нет,  К2 - да, "
                                  << "К2/1 ";
        QTest::newRow("repeat entry with a blank")
            << "К6" << true << true << false << " К6 - нет,  К6 - да, "
            << " К6/1 ";
        QTest::newRow("tokens without trailing blank, correct logged after wrong")
            << "И3" << false << false << true << " И3 - нет, И3 - да, И3 - да,"
            << "И3/1 ";
    }

    void tokensAndListEntries()
    {
        QFETCH(QString, code);
        QFETCH(bool, blankTokens);
        QFETCH(bool, repeatBlank);
        QFETCH(bool, correctAfterWrong);
        QFETCH(QString, log);
        QFETCH(QString, wrongList);
        ExerciseTraits traits = typed();
        traits.log = {.correctBlank = blankTokens,
                      .wrongBlank = blankTokens,
                      .correctAfterWrong = correctAfterWrong};
        traits.lists.repeatLeadingBlank = repeatBlank;
        Rig rig(code, traits);
        rig.answer("1");
        rig.answer("42");
        rig.click("Повтор");
        rig.answer("42");
        rig.click("Вопросы");
        QCOMPARE(rig.logText(), log);
        QCOMPARE(rig.pupil.WrongList, wrongList);
        QCOMPARE(rig.pupil.CorrectList, " " + code);
        QCOMPARE(rig.pupil.CorrectTotal, qint16(1));
    }

    void giveUpWithLeadingBlank()
    {
        ExerciseTraits traits = typed();
        traits.lists.giveUpLeadingBlank = true;
        Rig rig("П3", traits);
        rig.answer("7");
        rig.click("Сдаюсь");
        QCOMPARE(rig.pupil.WrongList, QStringLiteral(" П3/1/0 "));
        QCOMPARE(rig.logText(), QStringLiteral(" П3 - нет,  П3 - пропуск, "));
        QCOMPARE(rig.navigator.calls.last(), QStringLiteral("leaveToMenu про show"));
    }

    void exitCrossSoundAndMenuExtras()
    {
        ExerciseTraits traits = typed();
        traits.leaving = {.menuEnablesPictures = true,
                          .menuShowsPicture = "логика",
                          .resultsIconSound = "click2"};
        Rig rig("Л4", traits);
        rig.answer("42");
        rig.click("Image1");
        QCOMPARE(rig.fakes.sounds->played.last(), QStringLiteral("click2"));
        QCOMPARE(rig.navigator.calls.last(), QStringLiteral("showResults hide"));
        rig.open();
        rig.click("Меню");
        QCOMPARE(
            rig.navigator.calls.mid(rig.navigator.calls.size() - 3),
            (QStringList{"enableMenuPictures", "menuPicture логика show", "leaveToMenu лог hide"}));
    }

    void ctrlOrAltGoesStraightToTheResults()
    {
        ExerciseTraits traits = typed();
        traits.typed.ctrlAltToResults = true;
        Rig rig("И2", traits);
        auto *box = rig.find<QLineEdit>("Ответ");
        rig.answer("1");
        rig.answer("2");
        typeText(box, "5");
        pressKey(box, Qt::Key_Control, QString(), Qt::ControlModifier, 37);
        QCOMPARE(rig.pupil.WrongList, QStringLiteral("И2/2"));
        QVERIFY(box->text().isEmpty());
        QCOMPARE(rig.navigator.calls.last(), QStringLiteral("showResults keep"));
        QVERIFY(rig.screen->isVisible());
        pressKey(box, Qt::Key_Alt, QString(), Qt::AltModifier);
        QCOMPARE(rig.pupil.WrongList, QStringLiteral("И2/2, И2/0"));
    }

    void keyFilterWarnings()
    {
        // A warning that lets the character through, with a layout switch …
        Rig keeps("К2", typed(), [](ushort code) {
            return KeyVerdict{code, code == 'x' ? QString("Только заглавные!") : QString(),
                              KeyboardLayoutKind::Russian};
        });
        typeText(keeps.find("Ответ"), "x");
        QCOMPARE(keeps.text("Ответ"), QStringLiteral("x"));
        QCOMPARE(keeps.text("КакойОтвет"), QStringLiteral("Только заглавные!"));
        QCOMPARE(keeps.fakes.sounds->played.last(), QStringLiteral("нет"));
        QCOMPARE(keeps.fakes.keyboardLayout->switches, QList{KeyboardLayoutKind::Russian});

        // … and one that discards it, and a replacement.
        Rig drops("К6", typed(), [](ushort code) {
            if (code == 'x')
                return KeyVerdict{0, QString("Двоичное число состоит из нулей и единиц!"), {}};
            return KeyVerdict{code == 'y' ? ushort('1') : code, {}, {}};
        });
        typeText(drops.find("Ответ"), "0xy");
        QCOMPARE(drops.text("Ответ"), QStringLiteral("01"));
        QVERIFY(drops.visible("КакойОтвет"));
    }

    void choiceScreenRightAfterThreeWrong()
    {
        Rig rig("И5", choice());
        for (int option : {1, 2, 4}) {
            rig.click(QString("Отв%1").arg(option));
            QVERIFY(!rig.enabled(QString("Отв%1").arg(option)));
            QVERIFY(rig.visible(QString("Отв%1").arg(option)));
        }
        QVERIFY(rig.visible("Пояснение1") && rig.visible("Пояснение2"));
        QVERIFY(!rig.visible("Повтор"));
        rig.click("Отв3");
        QCOMPARE(rig.logText(), QStringLiteral(" И5 - нет,  И5 - нет,  И5 - нет, "));
        QCOMPARE(rig.pupil.CorrectTotal, qint16(0));
        for (int option : {1, 2, 4})
            QVERIFY(!rig.visible(QString("Отв%1").arg(option)));
        QVERIFY(rig.visible("Отв3") && !rig.enabled("Отв3"));
        QVERIFY(rig.visible("Повтор") && rig.visible("Image1"));
        QCOMPARE(rig.screen->focusWidget() == rig.find("Text1"), false);

        rig.click("Повтор");
        QCOMPARE(rig.pupil.WrongList, QStringLiteral("И5/3 "));
        for (int option = 1; option <= 4; ++option)
            QVERIFY(rig.visible(QString("Отв%1").arg(option)) &&
                    rig.enabled(QString("Отв%1").arg(option)));
        QVERIFY(!rig.visible("Image1"));
    }

    void choiceScreenHidesWhatAWrongClickRemoves()
    {
        ExerciseTraits traits = choice();
        traits.choice.wrongHidesOption = true;
        traits.choice.wrongHidesCompanion = true;
        Rig rig("Л2", traits);
        rig.click("Отв1");
        QVERIFY(!rig.visible("Отв1"));
        QVERIFY(!rig.visible("Отв11"));
        QVERIFY(rig.visible("Отв12"));
        rig.click("Отв3");
        QVERIFY(!rig.visible("Отв12") && !rig.visible("Отв14"));
        QVERIFY(rig.visible("Отв13"));
        QCOMPARE(rig.logText(), QStringLiteral(" Л2 - нет, "));
    }

    void optionHoverColours_data()
    {
        QTest::addColumn<bool>("restOthers");
        QTest::newRow("others stay") << false;
        QTest::newRow("others rest") << true;
    }

    void optionHoverColours()
    {
        QFETCH(bool, restOthers);
        ExerciseTraits traits = choice();
        traits.choice.hoverColour = Colours::optionBlue;
        traits.choice.restOpaque = true;
        traits.choice.hoverRestsOthers = restOthers;
        Rig rig("И6", traits);
        hover(rig.find("Отв1"));
        hover(rig.find("Отв2"));
        QCOMPARE(Colours::backgroundOf(rig.find("Отв2")), Colours::optionBlue);
        QCOMPARE(Colours::backgroundOf(rig.find("Отв12")), Colours::optionBlue);
        QCOMPARE(Colours::backgroundOf(rig.find("Отв1")),
                 restOthers ? Colours::lightYellow : Colours::optionBlue);
        hover(rig.find("Ответы"));
        for (int option = 1; option <= 4; ++option) {
            QCOMPARE(Colours::backgroundOf(rig.find(QString("Отв%1").arg(option))),
                     Colours::lightYellow);
            QCOMPARE(Colours::backgroundOf(rig.find(QString("Отв1%1").arg(option))),
                     Colours::lightYellow);
        }
    }

    void navigationAndButtonHover()
    {
        Rig rig("К1", typed());
        hover(rig.find("ОК"));
        QCOMPARE(Colours::backgroundOf(rig.find("ОК")), Colours::lightBlue);
        rig.answer("42");
        hover(rig.find("Повтор"));
        QCOMPARE(Colours::backgroundOf(rig.find("Повтор")), Colours::lightBlue);
        hover(rig.screen, QPoint(5, 300));
        QCOMPARE(Colours::backgroundOf(rig.find("Повтор")), QColor());
        QCOMPARE(Colours::backgroundOf(rig.find("ОК")), Colours::lightGrey);
    }
};

ZORBIKS_TEST(TraitsTest)
#include "TraitsTest.moc"
