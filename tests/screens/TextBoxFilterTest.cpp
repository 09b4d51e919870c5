// Every way text reaches a filtered box passes its key filter, and the
// answer box's transliteration reads the key that was pressed in it.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "platform/KeyCodes.h"
#include "pupil/Transliteration.h"
#include "screen/FilteredLineEdit.h"
#include "tasks/encoding/UnicodeVolume.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

// A typed exercise whose filter only transliterates, as the letter-answer
// screens do.
class Transliterating final : public Exercise {
public:
    Transliterating()
        : Exercise({})
    {}
    void buildView(ExerciseView &) override {}
    void drawTask(RandomSource &) override {}
    KeyVerdict filterKey(ushort code, qint16 lastKeyDown) const override
    {
        return {LatinToCyrillic(code, lastKeyDown), {}, {}};
    }
};

// Opens the box's own context menu as a right click does and triggers its
// paste entry (found by its shortcut, whatever the menu's language).
void pasteThroughContextMenu(QLineEdit *box)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QString paste = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    QAction *entry = nullptr;
    for (QAction *action : menu->actions())
        if (action->text().endsWith(QLatin1Char('\t') + paste))
            entry = action;
    QVERIFY(entry);
    QVERIFY(entry->isEnabled());
    entry->trigger();
    menu->close();
}

void pasteWithKeys(QLineEdit *box)
{
    pressKey(box, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
}

// What the box holds after `latin` reaches it typed key by key, pasted and
// committed by an input method, each time into the emptied box.
QStringList typedPastedCommitted(QLineEdit *box, const QString &latin)
{
    QStringList texts;
    box->clear();
    typeText(box, latin);
    texts << box->text();
    box->clear();
    QGuiApplication::clipboard()->setText(latin);
    pasteWithKeys(box);
    texts << box->text();
    box->clear();
    QInputMethodEvent commit;
    commit.setCommitString(latin);
    QApplication::sendEvent(box, &commit);
    texts << box->text();
    return texts;
}

} // namespace

class TextBoxFilterTest : public QObject {
    Q_OBJECT
private slots:
    void everyPasteIntoTheAnswerBoxIsFiltered()
    {
        ExerciseRig k1(questionOf<UnicodeVolume>());
        k1.open();
        auto *box = k1.find<QLineEdit>(QStringLiteral("Ответ"));
        QGuiApplication::clipboard()->setText(QStringLiteral("1 2a3-"));

        pasteThroughContextMenu(box);
        QCOMPARE(box->text(), QStringLiteral("123"));
        QCOMPARE(box->cursorPosition(), 3);

        // Into the middle, over a selection: the cursor stays after the
        // inserted digits.
        box->setSelection(1, 1);
        pasteWithKeys(box);
        QCOMPARE(box->text(), QStringLiteral("11233"));
        QCOMPARE(box->cursorPosition(), 4);

        box->clear();
        pressKey(box, Qt::Key_Insert, QString(), Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("123"));

        // An input method's commit and undo of a deletion.
        box->clear();
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("4б5 x"));
        QApplication::sendEvent(box, &commit);
        QCOMPARE(box->text(), QStringLiteral("45"));
        box->selectAll();
        box->del();
        box->undo();
        QCOMPARE(box->text(), QStringLiteral("45"));
        QCOMPARE(k1.screen->findChild<QLineEdit *>(QStringLiteral("Ответ"))->text(),
                 QStringLiteral("45"));
    }

    void theSurnameBoxFiltersPastesAsItsKeys()
    {
        AppRig app;
        auto *box = app.child<QLineEdit>(QStringLiteral("Титул1"), QStringLiteral("Text1"));
        QGuiApplication::clipboard()->setText(QStringLiteral("Ива7нов 2"));
        pasteWithKeys(box);
        const QString byKeys = box->text();
        QVERIFY(!byKeys.isEmpty());
        QVERIFY(!byKeys.contains(QLatin1Char('7')) && !byKeys.contains(QLatin1Char('2')));
        box->clear();
        pasteThroughContextMenu(box);
        QCOMPARE(box->text(), byKeys);
    }

    // Latin text pasted or committed into a transliterating box becomes what
    // typing the same keys gives, not the Latin letters themselves.
    void pastedLatinIsTransliteratedAsTypedKeys_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("cyrillic");
        QTest::newRow("К2") << "К2"
                            << "BFYUX"
                            << "ИАНГЧ";
        QTest::newRow("И3") << "И3"
                            << "GFGRF"
                            << "ПАПКА";
        QTest::newRow("surname") << "Титул1"
                                 << "Gtnhjdf"
                                 << "Петрова";
    }

    void pastedLatinIsTransliteratedAsTypedKeys()
    {
        QFETCH(QString, box);
        QFETCH(QString, latin);
        QFETCH(QString, cyrillic);
        const QStringList expected = {cyrillic, cyrillic, cyrillic};
        if (box == QStringLiteral("Титул1")) {
            AppRig app;
            QCOMPARE(
                typedPastedCommitted(app.child<QLineEdit>(box, QStringLiteral("Text1")), latin),
                expected);
        } else {
            ExerciseRig screen(questionOf(box));
            screen.open();
            QCOMPARE(typedPastedCommitted(screen.box(), latin), expected);
        }
    }

    void answerBoxTransliteratesByTheKeyPressedInIt_data()
    {
        QTest::addColumn<int>("keyBefore"); // the last key of another screen
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<QString>("expected");

        // The Russian layout's own key of "." and "," (X11 key code 61).
        QTest::newRow("ru period") << int('A') << int(Qt::Key_Period) << "." << 61u << ".";
        QTest::newRow("ru comma") << int('A') << int(Qt::Key_Comma) << "," << 61u << ",";
        // The Latin layout's comma and period keys give the letters of the
        // same keys on the Russian layout.
        QTest::newRow("us comma") << KeyCode::Slash << int(Qt::Key_Comma) << "," << 59u << "б";
        QTest::newRow("us period") << KeyCode::Slash << int(Qt::Key_Period) << "." << 60u << "ю";
    }

    void answerBoxTransliteratesByTheKeyPressedInIt()
    {
        QFETCH(int, keyBefore);
        QFETCH(int, qtKey);
        QFETCH(QString, text);
        QFETCH(quint32, scanCode);
        QFETCH(QString, expected);
        ExerciseRig screen(questionOf(QStringLiteral("К2")), std::make_unique<Transliterating>());
        screen.open();
        screen.pupil.LastKeyDown = static_cast<qint16>(keyBefore);
        auto *box = screen.find<QLineEdit>(QStringLiteral("Ответ"));
        pressKey(box, qtKey, text, Qt::NoModifier, scanCode);
        QCOMPARE(box->text(), expected);
    }
};

ZORBIKS_TEST(TextBoxFilterTest)
#include "TextBoxFilterTest.moc"
