// The encoding screens driven by the names of their controls.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "drawing/BorderedGrid.h"
#include "drawing/GapLabel.h"
#include "drawing/ScriptLabels.h"
#include "drawing/ScriptText.h"
#include "screen/Colours.h"
#include "tasks/encoding/BinaryToHex.h"
#include "tasks/encoding/LetterCodes.h"
#include "tasks/encoding/MegabyteVolume.h"
#include "tasks/encoding/MorseRadiogram.h"
#include "tasks/encoding/PhotoSize.h"
#include "tasks/encoding/TransferSize.h"

#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

template <typename T> struct Typed : QuestionRig<T> {
    // Presses a key of a US keyboard (its X11 scan code) that gives `text`.
    void key(int qtKey, quint32 scanCode, const QString &text, bool shift = false)
    {
        pressKey(this->box(), qtKey, text, shift ? Qt::ShiftModifier : Qt::NoModifier, scanCode);
    }
};

// X11 key codes of a US keyboard.
namespace X11Key {
constexpr quint32 digit5 = 14, space = 65, comma = 59, slash = 61;
constexpr quint32 a = 38, b = 56, c = 54, d = 40, e = 26, f = 41, u = 30, x = 53, y = 29;
} // namespace X11Key

} // namespace

class MegabyteVolumeScreenTest : public QObject {
    Q_OBJECT
private slots:
    void rightAndWrongAnswers()
    {
        Typed<MegabyteVolume> k4;
        const int x = k4.text("зад2").toInt();
        QCOMPARE(x, k4.exercise().model().exponent());
        QCOMPARE(k4.text("Label22"), QStringLiteral("Кодирование информации, К4"));
        k4.answer(QString::number(x));
        QCOMPARE(k4.text("КакойОтвет"), wrong);
        QVERIFY(k4.visible("Пояснение"));
        k4.answer("0" + QString::number(1 << (x - 23)));
        QCOMPARE(k4.text("КакойОтвет"), right);
        QCOMPARE(k4.logText(), QStringLiteral(" К4 - нет, "));
        k4.click("Повтор");
        QCOMPARE(k4.pupil.WrongList, QStringLiteral("К4/1 "));
    }

    void onlyDigitsCanBeTyped()
    {
        Typed<MegabyteVolume> k4;
        k4.key(Qt::Key_A, 38, "a");
        k4.key(Qt::Key_Space, 65, " ");
        k4.key(Qt::Key_1, 10, "1");
        k4.key(Qt::Key_Minus, 20, "-");
        k4.key(Qt::Key_6, 15, "6");
        QCOMPARE(k4.text("Ответ"), QStringLiteral("16"));
        QVERIFY(!k4.visible("КакойОтвет"));
        QCOMPARE(k4.fakes.sounds->played, QStringList{"click2"});
    }

    void exponentIsRaisedAndTheAnswerRowLower()
    {
        Typed<MegabyteVolume> k4;
        auto *task = k4.find<GapLabel>("Label3");
        QWidget *exponent = k4.find("зад2");
        const QRectF two = task->characterRect(task->text().indexOf(" 2 ") + 1);
        QVERIFY(exponent->x() >= two.right());
        QVERIFY(exponent->x() < two.right() + 20);
        // Its text stands at the top of a box that reaches above the line.
        QVERIFY(exponent->y() < two.top());
        QVERIFY(exponent->font().pointSizeF() < task->font().pointSizeF());
        auto *explanation = k4.find<ScriptText>("Label5");
        QCOMPARE(explanation->scriptTexts(ScriptText::Place::Raised).join(' '),
                 QStringLiteral("20 20 20 3 23 27 23 4 23"));
        for (const ScriptText::Script &power : explanation->scripts())
            QCOMPARE(explanation->text().at(power.index - 1), QLatin1Char('2'));
        QCOMPARE(explanation->text().count(QChar::LineSeparator), 2);
        QWidget *frame = k4.find("Задание");
        const int gap = k4.find("Ответ")->y() - frame->geometry().bottom();
        QVERIFY2(gap > 0.15 * k4.screen->height() - 2, qPrintable(QString::number(gap)));
    }
};

ZORBIKS_TEST(MegabyteVolumeScreenTest)

class TransferSizeScreenTest : public QObject {
    Q_OBJECT
private slots:
    void twoExplanationsAndTheRepeatEntry()
    {
        Typed<TransferSize> k5;
        const int rate = k5.text("зад2").toInt();
        const int seconds = k5.text("зад3").toInt();
        const QString answer = QString::number(rate / 1024 * seconds / 8);
        k5.answer(answer + "1");
        QVERIFY(k5.visible("Пояснение1") && !k5.visible("Пояснение2"));
        k5.answer("0");
        QVERIFY(k5.visible("Пояснение1") && k5.visible("Пояснение2"));
        QVERIFY(k5.find("Пояснение2")->y() > k5.find("Пояснение1")->geometry().bottom());
        k5.answer("00" + answer);
        QCOMPARE(k5.text("КакойОтвет"), right);
        k5.click("Повтор");
        QCOMPARE(k5.pupil.WrongList, QStringLiteral(" К5/2 "));
        QVERIFY(k5.text("зад2").toInt() != rate);
        QCOMPARE(k5.logText(), QStringLiteral(" К5 - нет,  К5 - нет, "));
    }

    void rateStartsTheSecondLine()
    {
        Typed<TransferSize> k5;
        auto *task = k5.find<GapLabel>("Label1");
        QWidget *rate = k5.find("зад2");
        const QRectF first = task->characterRect(0);
        const QRectF unit = task->characterRect(task->text().indexOf("бит/c"));
        QVERIFY(rate->y() > first.bottom() - 2);
        QVERIFY(rate->geometry().right() < unit.left());
        QVERIFY(task->text().contains(QStringLiteral("бит/c"))); // a Latin c
        typeText(k5.box(), "1x 2");
        QCOMPARE(k5.text("Ответ"), QStringLiteral("12"));
    }
};

ZORBIKS_TEST(TransferSizeScreenTest)

class MorseRadiogramScreenTest : public QObject {
    Q_OBJECT
private slots:
    void latinKeysTypeTheRadiogramAndSwitchToRussian()
    {
        Typed<MorseRadiogram> k2;
        QCOMPARE(k2.text("Label20"), QStringLiteral("Кодирование информации, К2"));
        QVERIFY(k2.find("Сдаюсь")->toolTip().isEmpty());
        // Shift+U, F, B, Y, X of a US keyboard: Г, А, И, Н, Ч.
        const QHash<QChar, std::tuple<int, quint32, QString>> keys = {
            {u'Г', {Qt::Key_U, X11Key::u, "U"}},
            {u'А', {Qt::Key_F, X11Key::f, "F"}},
            {u'И', {Qt::Key_B, X11Key::b, "B"}},
            {u'Н', {Qt::Key_Y, X11Key::y, "Y"}},
            {u'Ч', {Qt::Key_X, X11Key::x, "X"}}};
        const QString answer = k2.exercise().model().current().answer;
        QCOMPARE(k2.text("Label2"), k2.exercise().model().current().signs);
        for (QChar letter : answer) {
            const auto &[key, scan, text] = keys[letter];
            k2.key(key, scan, text, true);
        }
        QCOMPARE(k2.text("Ответ"), answer);
        QCOMPARE(k2.fakes.keyboardLayout->switches,
                 QList<KeyboardLayoutKind>(answer.size(), KeyboardLayoutKind::Russian));
        QVERIFY(!k2.visible("КакойОтвет"));
        k2.click("ОК");
        QCOMPARE(k2.text("КакойОтвет"), right);
        QCOMPARE(k2.logText(), QStringLiteral(" К2 - да, "));
        QCOMPARE(k2.screen->focusWidget(), k2.find("Text1"));
    }

    void warningsKeepOrDropTheCharacter()
    {
        Typed<MorseRadiogram> k2;
        const QString warning =
            QStringLiteral("В ответе должны быть  только заглавные буквы, указанные в задании!");
        k2.key(Qt::Key_5, X11Key::digit5, "5");
        QCOMPARE(k2.text("Ответ"), QString());
        QCOMPARE(k2.text("КакойОтвет"), warning);
        QCOMPARE(k2.fakes.sounds->played.last(), QStringLiteral("нет"));
        QVERIFY(k2.fakes.keyboardLayout->switches.isEmpty());
        k2.key(Qt::Key_Space, X11Key::space, " ");
        k2.key(Qt::Key_U, X11Key::u, "u");
        QCOMPARE(k2.text("Ответ"), QStringLiteral(" г"));
        QCOMPARE(k2.fakes.sounds->played.count("нет"), 3);
        k2.click("ОК");
        QCOMPARE(k2.text("КакойОтвет"), wrong);
        QVERIFY(k2.visible("Пояснение"));
        k2.answer(k2.exercise().model().current().answer.toLower());
        QCOMPARE(k2.text("КакойОтвет"), wrong);
    }

    void codeTableAndDraw()
    {
        Typed<MorseRadiogram> k2;
        const QStringList letters = {"Label4", "Label6", "Label7", "Label8", "Label9"};
        const QStringList expected = {"И", "А", "Н", "Г", "Ч"};
        const QStringList codes = {". .", ". _", "_ .", "_ _ .", "_ _ _ ."};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(k2.text(letters[i]), expected[i]);
            auto *code = k2.find<QLabel>(QStringLiteral("Label%1").arg(15 + i));
            QCOMPARE(code->text(), codes[i]);
            QVERIFY(code->font().bold());
            QCOMPARE(code->font().pointSizeF(), 12.0);
            QCOMPARE(code->parentWidget(), k2.find(QStringLiteral("Label%1").arg(10 + i)));
            QVERIFY(k2.find<QLabel>(QStringLiteral("Label%1").arg(10 + i))->frameShape() ==
                    QFrame::Box);
        }
        QSet<QString> shown{k2.text("Label2")};
        // The signs' ink is centred in its cell: a dash stands well clear of
        // the cell's lower border, never to be taken for it.
        for (int i = 0; i < 5; ++i) {
            QLabel *cell = k2.find<QLabel>(QStringLiteral("Label%1").arg(10 + i));
            const QImage image = cell->grab().toImage();
            int top = image.height();
            int bottom = -1;
            for (int y = 1; y < image.height() - 1; ++y) {
                for (int x = 1; x < image.width() - 1; ++x) {
                    if (qGray(image.pixel(x, y)) < 128) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
                }
            }
            const QString where = codes[i] + QStringLiteral(": ink rows %1 to %2 of %3")
                                                 .arg(top)
                                                 .arg(bottom)
                                                 .arg(image.height());
            QVERIFY2(bottom >= 0, qPrintable(where));
            QVERIFY2(qAbs((top + bottom) / 2.0 - (image.height() - 1) / 2.0) <= 1.5,
                     qPrintable(where));
            QVERIFY2(bottom <= image.height() - 1 - 5, qPrintable(where));
        }
        for (int i = 0; i < 3; ++i) {
            k2.answer(k2.exercise().model().current().answer);
            k2.click("Повтор");
            shown.insert(k2.text("Label2"));
        }
        QCOMPARE(shown.size(), 4);
    }
};

ZORBIKS_TEST(MorseRadiogramScreenTest)

class BinaryToHexScreenTest : public QObject {
    Q_OBJECT
private slots:
    void russianLetterKeysGiveLatinHexDigits()
    {
        Typed<BinaryToHex> k8;
        QCOMPARE(k8.text("Label20"), QStringLiteral("Кодирование информации, К8"));
        QCOMPARE(k8.text("зад2"), k8.exercise().model().current().binary);
        // The Russian layout is active: Shift+E gives "У", Shift+C "С".
        k8.key(Qt::Key_E, X11Key::e, "У", true);
        QCOMPARE(k8.text("Ответ"), QStringLiteral("E"));
        QCOMPARE(k8.fakes.keyboardLayout->switches,
                 QList<KeyboardLayoutKind>{KeyboardLayoutKind::UsEnglish});
        k8.key(Qt::Key_C, X11Key::c, "C", true); // now on the US layout
        k8.key(Qt::Key_5, X11Key::digit5, "5");
        QCOMPARE(k8.text("Ответ"), QStringLiteral("EC5"));
        QVERIFY(!k8.visible("КакойОтвет"));
        QCOMPARE(k8.fakes.keyboardLayout->switches.size(), 1);
    }

    void otherCharactersAreRejectedWithTheMessage()
    {
        Typed<BinaryToHex> k8;
        const QString message = QStringLiteral("Шестнадцатеричное число может состоять из "
                                               "арабских цифр и латинских заглавных букв A, B, "
                                               "C, D, E, F!");
        k8.key(Qt::Key_E, X11Key::e, "e");
        QCOMPARE(k8.text("КакойОтвет"), message);
        k8.key(Qt::Key_E, X11Key::e, "у");
        k8.key(Qt::Key_G, 42, "G", true);
        k8.key(Qt::Key_Comma, X11Key::comma, "Б", true);
        QCOMPARE(k8.text("Ответ"), QString());
        QCOMPARE(k8.fakes.sounds->played.count("нет"), 4);
        QVERIFY(k8.fakes.keyboardLayout->switches.isEmpty());
    }

    void answersExplanationsAndRepeat()
    {
        Typed<BinaryToHex> k8;
        const QString hex = k8.exercise().model().current().hex;
        k8.answer("0" + hex);
        QVERIFY(k8.visible("Пояснение1") && !k8.visible("Пояснение2"));
        k8.answer("F");
        QVERIFY(k8.visible("Пояснение2"));
        const int gap = k8.find("Пояснение2")->y() - k8.find("Пояснение1")->geometry().bottom();
        QVERIFY(gap >= 2 && gap <= 5); // 50 twips
        k8.answer(hex);
        QCOMPARE(k8.text("КакойОтвет"), right);
        const QString shown = k8.text("зад2");
        k8.click("Повтор");
        QCOMPARE(k8.pupil.WrongList, QStringLiteral(" К8/2 "));
        QVERIFY(k8.text("зад2") != shown);
        QCOMPARE(k8.logText(), QStringLiteral(" К8 - нет,  К8 - нет, "));
    }
};

ZORBIKS_TEST(BinaryToHexScreenTest)

class LetterCodesScreenTest : public QObject {
    Q_OBJECT
private slots:
    void russianLayoutLettersArriveLatin()
    {
        Typed<LetterCodes> k11;
        QCOMPARE(k11.text("Label20"), QStringLiteral("Кодирование информации, К11"));
        QCOMPARE(k11.text("зад2"), k11.exercise().model().current().bits);
        k11.key(Qt::Key_D, X11Key::d, "В", true);
        QCOMPARE(k11.text("Ответ"), QStringLiteral("D"));
        QCOMPARE(k11.fakes.keyboardLayout->switches,
                 QList<KeyboardLayoutKind>{KeyboardLayoutKind::UsEnglish});
        QVERIFY(!k11.visible("КакойОтвет"));
        // The F key gives "А", which is not translated: typed, with the warning.
        k11.key(Qt::Key_F, X11Key::f, "А", true);
        QCOMPARE(k11.text("Ответ"), QStringLiteral("DА"));
        QCOMPARE(k11.text("КакойОтвет"),
                 QStringLiteral("В ответе должны быть  только заглавные латинские буквы, "
                                "указанные в задании!"));
        k11.key(Qt::Key_5, X11Key::digit5, "5");
        k11.key(Qt::Key_B, X11Key::b, "b");
        QCOMPARE(k11.text("Ответ"), QStringLiteral("DА5b"));
        QCOMPARE(k11.fakes.sounds->played.count("нет"), 3);
        QCOMPARE(k11.fakes.keyboardLayout->switches.size(), 1);
    }

    void answers()
    {
        Typed<LetterCodes> k11;
        const QString answer = k11.exercise().model().current().answer;
        k11.answer(answer.toLower());
        QCOMPARE(k11.text("КакойОтвет"), wrong);
        QVERIFY(k11.visible("Пояснение"));
        k11.answer(answer);
        QCOMPARE(k11.text("КакойОтвет"), right);
        const QString shown = k11.text("зад2");
        k11.click("Повтор");
        QCOMPARE(k11.pupil.WrongList, QStringLiteral("К11/1 "));
        QVERIFY(k11.text("зад2") != shown);
        k11.click("Сдаюсь");
        QCOMPARE(k11.logText(), QStringLiteral(" К11 - нет,  К11 - пропуск, "));
        QCOMPARE(k11.pupil.WrongList, QStringLiteral("К11/1 К11/0 "));
    }

    void codeTable()
    {
        Typed<LetterCodes> k11;
        auto *table = k11.find<BorderedGrid>("Коды");
        QCOMPARE(table->rowCount(), 2);
        QStringList cells;
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 5; ++column)
                cells << table->cell(row, column)->text();
        QCOMPARE(cells.join(' '), QStringLiteral("A B C D E 000 01 100 10 011"));
        QCOMPARE(table->cell(1, 0)->font().pointSizeF(), 11.25);
        QCOMPARE(table->cell(1, 0)->alignment(), Qt::AlignCenter);
    }
};

ZORBIKS_TEST(LetterCodesScreenTest)

class PhotoSizeScreenTest : public QObject {
    Q_OBJECT
private slots:
    void wrongClicksThenTheRightOne()
    {
        ExerciseRig k3(questionOf<PhotoSize>());
        k3.open();
        const auto &model = static_cast<const PhotoSize &>(k3.screen->exercise()).model();
        QCOMPARE(k3.text("Заголовок"), QStringLiteral("Кодирование информации, К3"));
        QCOMPARE(k3.text("зад2"), model.current().size);
        const int right = model.placement();
        QList<int> wrongs;
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(k3.text(QStringLiteral("Отв%1").arg(n)), model.options()[size_t(n - 1)]);
            if (n != right)
                wrongs << n;
        }
        k3.click(QStringLiteral("Отв%1").arg(wrongs[0]));
        QVERIFY(k3.visible("Пояснение1") && !k3.visible("Пояснение2"));
        k3.click(QStringLiteral("Отв%1").arg(wrongs[1]));
        QVERIFY(k3.visible("Пояснение2"));
        QCOMPARE(k3.find("Пояснение2")->y(), k3.find("Пояснение1")->geometry().bottom() + 1);
        QVERIFY(!k3.enabled(QStringLiteral("Отв%1").arg(wrongs[0])));
        QVERIFY(!k3.enabled(QStringLiteral("Отв%1").arg(wrongs[1])));
        QVERIFY(k3.visible(QStringLiteral("Отв%1").arg(wrongs[1])));
        k3.click(QStringLiteral("Отв%1").arg(right));
        QCOMPARE(k3.text("КакойОтвет"), QStringLiteral("Ответ правильный! Продолжим?"));
        for (int n : wrongs)
            QVERIFY(!k3.visible(QStringLiteral("Отв%1").arg(n)));
        QVERIFY(k3.visible(QStringLiteral("Отв%1").arg(right)));
        QVERIFY(!k3.enabled(QStringLiteral("Отв%1").arg(right)));
        QCOMPARE(k3.logText(), QStringLiteral(" К3 - нет,  К3 - нет, "));

        k3.click("Меню");
        QCOMPARE(k3.pupil.WrongList, QStringLiteral("К3/2 "));
        QVERIFY(k3.navigator.calls.contains("enableMenuPictures"));
        QVERIFY(k3.navigator.calls.contains("menuPicture логика show"));
    }

    void placementAndPhotographChangeEveryTask()
    {
        ExerciseRig k3(questionOf<PhotoSize>());
        k3.open();
        const auto &model = static_cast<const PhotoSize &>(k3.screen->exercise()).model();
        for (int i = 0; i < 8; ++i) {
            const int placement = model.placement();
            const QString size = k3.text("зад2");
            k3.click(QStringLiteral("Отв%1").arg(placement));
            k3.click("Повтор");
            QVERIFY(model.placement() != placement);
            QVERIFY(k3.text("зад2") != size);
            for (int n = 1; n <= 4; ++n)
                QVERIFY(k3.visible(QStringLiteral("Отв%1").arg(n)) &&
                        k3.enabled(QStringLiteral("Отв%1").arg(n)));
        }
        QCOMPARE(k3.pupil.CorrectTotal, qint16(8));
    }

    void hoverRestsTheOtherOptions()
    {
        ExerciseRig k3(questionOf<PhotoSize>());
        k3.open();
        hover(k3.find("Отв1"));
        QCOMPARE(Colours::backgroundOf(k3.find("Отв1")), Colours::lightBlue);
        hover(k3.find("Отв2"));
        QCOMPARE(Colours::backgroundOf(k3.find("Отв2")), Colours::lightBlue);
        QVERIFY(!Colours::backgroundOf(k3.find("Отв1")).isValid());
        hover(k3.find("Ответы"), QPoint(2, 2));
        QVERIFY(!Colours::backgroundOf(k3.find("Отв2")).isValid());
    }
};

ZORBIKS_TEST(PhotoSizeScreenTest)
#include "EncodingScreenTest.moc"
