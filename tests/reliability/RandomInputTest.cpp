#include "reliability/FaultInjection.h"
#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "exercise/ExerciseScreen.h"
#include "shell/Stage.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

// One physical key: its X11 scan code and what it types on the Latin and on
// the Russian layout.
struct PhysicalKey {
    quint32 scanCode;
    QChar latin;
    QChar russian;
};

QList<PhysicalKey> typingKeys()
{
    const QString latin = QStringLiteral("1234567890-=qwertyuiop[]asdfghjkl;'`zxcvbnm,./");
    const QString russian = QStringLiteral("1234567890-=йцукенгшщзхъфывапролджэёячсмитьбю.");
    const QList<quint32> codes = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 24, 25, 26, 27,
                                  28, 29, 30, 31, 32, 33, 34, 35, 38, 39, 40, 41, 42, 43, 44, 45,
                                  46, 47, 48, 49, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61};
    QList<PhysicalKey> keys;
    for (qsizetype i = 0; i < latin.size(); ++i)
        keys.append({codes[i], latin[i], russian[i]});
    return keys;
}

struct EditingKey {
    int key;
    quint32 scanCode;
    const char *text;
};

const EditingKey editingKeys[] = {
    {Qt::Key_Backspace, 22, "\b"}, {Qt::Key_Delete, 119, "\x7f"}, {Qt::Key_Left, 113, ""},
    {Qt::Key_Right, 114, ""},      {Qt::Key_Home, 110, ""},       {Qt::Key_End, 115, ""},
    {Qt::Key_Return, 36, "\r"},    {Qt::Key_Enter, 104, "\r"},    {Qt::Key_Tab, 23, "\t"},
    {Qt::Key_Space, 65, " "},      {Qt::Key_Escape, 9, "\x1b"},   {Qt::Key_Up, 111, ""},
    {Qt::Key_Down, 116, ""},       {Qt::Key_F1, 67, ""},
};

int qtKeyOf(QChar character)
{
    const QChar upper = character.toUpper();
    return upper.unicode();
}

// The sum of the counts a list gives each exercise: " 3К1" counts 3, " К1"
// one; "К1/2 " (wrong twice), "К1/2/0 " and "К1/0 " (given up).
QHash<QString, int> correctCounts(const QString &list)
{
    static const QRegularExpression entry(QStringLiteral(" (\\d*)([^\\d\\s]\\d+)"));
    QHash<QString, int> counts;
    for (const QRegularExpressionMatch &match : entry.globalMatch(list)) {
        const QString number = match.captured(1);
        counts[match.captured(2)] += number.isEmpty() ? 1 : number.toInt();
    }
    return counts;
}

QHash<QString, int> wrongCounts(const QString &list)
{
    static const QRegularExpression entry(QStringLiteral("([^\\d\\s,/]\\d+)/(\\d+)"));
    QHash<QString, int> counts;
    for (const QRegularExpressionMatch &match : entry.globalMatch(list))
        counts[match.captured(1)] += match.captured(2).toInt();
    return counts;
}

QHash<QString, int> tokenCounts(const QString &log, const QString &verdict)
{
    const QRegularExpression token(QStringLiteral(" (\\S+) - %1,").arg(verdict));
    QHash<QString, int> counts;
    for (const QRegularExpressionMatch &match : token.globalMatch(log))
        counts[match.captured(1)] += 1;
    return counts;
}

class RandomPupil {
public:
    RandomPupil(AppRig &app, quint32 seed)
        : app_(app)
        , random_(seed)
    {}

    void useScreen(const QString &code, int events)
    {
        ExerciseScreen *screen = app_.stage->exerciseScreen(code);
        for (int i = 0; i < events; ++i) {
            if (!screen->isVisible())
                app_.stage->openExercise(code);
            const int action = random_.bounded(100);
            if (action < 60)
                typeKey(screen);
            else if (action < 80)
                leftClick(randomControl(screen));
            else if (action < 90)
                paste(screen);
            else
                hover(randomControl(screen));
        }
        leave(screen, code);
    }

private:
    QWidget *target(QWidget *screen) const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus && screen->isAncestorOf(focus) ? focus : screen;
    }

    void typeKey(QWidget *screen)
    {
        static const QList<PhysicalKey> keys = typingKeys();
        if (random_.bounded(5) == 0) {
            const EditingKey &key = editingKeys[random_.bounded(int(std::size(editingKeys)))];
            pressKey(target(screen), key.key, QString::fromLatin1(key.text), Qt::NoModifier,
                     key.scanCode);
            return;
        }
        const PhysicalKey &key = keys[random_.bounded(int(keys.size()))];
        const bool russian = random_.bounded(2) == 0;
        const bool shift = random_.bounded(4) == 0;
        QChar character = russian ? key.russian : key.latin;
        if (shift)
            character = character.toUpper();
        pressKey(target(screen), qtKeyOf(character), QString(character),
                 shift ? Qt::ShiftModifier : Qt::NoModifier, key.scanCode);
    }

    void paste(QWidget *screen)
    {
        static const QString pieces[] = {"12",         "0",  "-5",  "abc", "Привет", " 1 2 ",
                                         "9999999999", "\t", "1,5", "٣",   "😀",      "К1"};
        QString text;
        for (int n = random_.bounded(1, 4); n > 0; --n)
            text += pieces[random_.bounded(int(std::size(pieces)))];
        QApplication::clipboard()->setText(text);
        pressKey(target(screen), Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier, 55);
    }

    QWidget *randomControl(QWidget *screen)
    {
        QList<QWidget *> visible;
        for (QWidget *child : screen->findChildren<QWidget *>()) {
            if (child->isVisible() && child->isEnabled())
                visible.append(child);
        }
        return visible.isEmpty() ? screen : visible[random_.bounded(int(visible.size()))];
    }

    // Leaves through `Меню`, first answering (or, on typed screens, giving
    // up) where the task is still open, so that the screen's counters go
    // into the pupil's lists.
    void leave(ExerciseScreen *screen, const QString &code)
    {
        if (!screen->isVisible())
            return;
        auto *menu = screen->findChild<QWidget *>(QStringLiteral("Меню"));
        auto *giveUp = screen->findChild<QWidget *>(QStringLiteral("Сдаюсь"));
        for (int tries = 0; tries < 500 && screen->isVisible() && !menu->isVisible(); ++tries) {
            if (giveUp && giveUp->isVisible() && giveUp->isEnabled()) {
                leftClick(giveUp);
            } else {
                // The pointer comes over a control before it clicks, so that
                // picture options show the twin that takes the click.
                QWidget *control = randomControl(screen);
                hover(control);
                leftClick(control);
            }
            if (!screen->isVisible())
                return;
        }
        QVERIFY2(menu->isVisible(), qPrintable(code + " cannot be left"));
        leftClick(menu);
    }

    AppRig &app_;
    QRandomGenerator random_;
};

} // namespace

class RandomInputTest : public QObject {
    Q_OBJECT
private slots:
    void randomInputKeepsRecordAndLogInStep_data()
    {
        QTest::addColumn<bool>("slowFolder");
        QTest::newRow("local folder") << false;
        QTest::newRow("every fsync of the log 300 ms slower") << true;
    }

    // Random keys of both layouts (with their scan codes), clicks, pastes and
    // hovers on every exercise screen: nothing breaks, and the pupil's
    // counters and lists agree with the tokens in the log, also when the
    // log's folder is slow and the pupil never waits for it.
    void randomInputKeepsRecordAndLogInStep()
    {
        QFETCH(bool, slowFolder);
        const quint32 seed = qEnvironmentVariableIsSet("ZORBIKS_RANDOM_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("ZORBIKS_RANDOM_SEED"))
                                 : QRandomGenerator::global()->generate();
        const int events = qEnvironmentVariableIsSet("ZORBIKS_RANDOM_EVENTS")
                               ? qEnvironmentVariableIntValue("ZORBIKS_RANDOM_EVENTS")
                               : 1500;
        const QString again =
            QStringLiteral(" (again with ZORBIKS_RANDOM_SEED=%1 ZORBIKS_RANDOM_EVENTS=%2)")
                .arg(seed)
                .arg(events);
        AppRig app;
        app.registerPupil();
        app.waitForWriter = !slowFolder;
        zorbiks::test::FaultRules faults(
            slowFolder ? QStringLiteral("call=fsync path=%1 sleep=300").arg(app.logPath)
                       : QString());
        RandomPupil pupil(app, seed);
        const QStringList codes = Catalogue::codes();
        for (const QString &code : codes) {
            pupil.useScreen(code, events);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(code + again));
        }

        const PupilRecord &record = app.stage->pupil();
        const QString log = app.log();
        const QHash<QString, int> right = tokenCounts(log, QStringLiteral("да"));
        const QHash<QString, int> wrong = tokenCounts(log, QStringLiteral("нет"));
        const QHash<QString, int> listedRight = correctCounts(record.CorrectList);
        const QHash<QString, int> listedWrong = wrongCounts(record.WrongList);
        int rightTotal = 0;
        for (const QString &code : codes) {
            const QString where = code + again;
            QCOMPARE_GE(record.TasksShown, 1);
            QVERIFY2(listedRight.value(code) == right.value(code),
                     qPrintable(QStringLiteral("%1: %2 right in the list, %3 in the log")
                                    .arg(where)
                                    .arg(listedRight.value(code))
                                    .arg(right.value(code))));
            QVERIFY2(listedWrong.value(code) == wrong.value(code),
                     qPrintable(QStringLiteral("%1: %2 wrong in the list, %3 in the log")
                                    .arg(where)
                                    .arg(listedWrong.value(code))
                                    .arg(wrong.value(code))));
            rightTotal += right.value(code);
        }
        QVERIFY2(record.CorrectTotal == rightTotal,
                 qPrintable(QStringLiteral("CorrectTotal %1, %2 right in the log%3")
                                .arg(record.CorrectTotal)
                                .arg(rightTotal)
                                .arg(again)));
    }
};

ZORBIKS_TEST(RandomInputTest)
#include "RandomInputTest.moc"
