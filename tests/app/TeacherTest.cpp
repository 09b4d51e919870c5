#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "results/TeacherScreen.h"
#include "shell/Stage.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

struct Teacher : AppRig {
    Teacher() { openTeacherScreen(); }
    QLineEdit *address() const { return child<QLineEdit>("secret", "Text2"); }
    QString message() const { return child<QLabel>("secret", "Label4")->text(); }
    void save(const QString &path)
    {
        address()->setText(path);
        click("secret", "Command2");
    }
};

} // namespace

class TeacherTest : public QObject {
    Q_OBJECT
private slots:
    void screenTexts()
    {
        Teacher app;
        QVERIFY(app.screen("secret")->isVisible());
        QCOMPARE(app.screen("secret")->geometry(), app.stage->rect());
        const QString about = app.child<QLabel>("secret", "Label3")->text();
        QVERIFY(
            about.startsWith("В Зорбиксе установлен по умолчанию такой адрес секретного файла:\n"
                             "       " +
                             app.stage->log().defaultLocation() + "\n"));
        QVERIFY(app.child<QLabel>("secret", "Label1")
                    ->text()
                    .contains("\n" + QDir::homePath() +
                              "/Comand/Prog/sdf.txt\n       Здесь учитель "
                              "создал на диске С две новые папки - Comand, в ней - Prog.\n"));
        // 800 pixels of the offscreen screen are 12000 twips: the larger font.
        QCOMPARE(app.child("secret", "Label1")->font().pointSizeF(), 10.0);
        QCOMPARE(app.stage->focusWidget(), app.address());
    }

    void addressTypedOnTheRussianLayout()
    {
        Teacher app;
        typeText(app.address(), "СЖ\\тфьуюече");
        QCOMPARE(app.address()->text(), QStringLiteral("C:\\name.txt"));
        QCOMPARE(app.stage->pupil().NewLogPath, QStringLiteral("C:\\name.txt"));
        QVERIFY(app.fakes.keyboardLayout->switches.contains(KeyboardLayoutKind::UsEnglish));
        const int beeps = app.fakes.sounds->beeps;
        typeText(app.address(), "эжБХъЮ");
        QCOMPARE(app.address()->text(), QStringLiteral("C:\\name.txt"));
        QCOMPARE(app.fakes.sounds->beeps, beeps + 6);
        typeText(app.address(), "ёЁ/1");
        QCOMPARE(app.address()->text(), QStringLiteral("C:\\name.txtёЁ/1"));
    }

    void addressesThatCannotHoldTheLogAreRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << ""
                               << " Нужно ввести адрес нового секретного файла!";
        QTest::newRow("relative") << "log.txt"
                                  << " Нужно указать полный адрес файла, начиная с «/».";
        QTest::newRow("a folder")
            << "FOLDER"
            << " Это адрес папки, а нужен адрес файла (например, …/results.txt).";
        QTest::newRow("missing folder")
            << "FOLDER/missing/log.txt"
            << " Папка «FOLDER/missing» не существует. Сначала создайте её.";
        QTest::newRow("no permission") << "/proc/zorbiks.txt"
                                       << "";
    }

    void addressesThatCannotHoldTheLogAreRefused()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        Teacher app;
        const QString folder = app.folder.path();
        path.replace("FOLDER", folder);
        message.replace("FOLDER", folder);
        const int beeps = app.fakes.sounds->beeps;
        app.save(path);
        if (message.isEmpty())
            QVERIFY(!app.message().isEmpty());
        else
            QCOMPARE(app.message(), message);
        QCOMPARE(app.fakes.sounds->beeps, beeps + 1);
        QCOMPARE(app.fakes.settings->writes, 0);
        QVERIFY(app.screen("secret")->isVisible());
        QVERIFY(app.fakes.lock->engaged);
        QVERIFY(!QFile::exists(folder + "/missing"));
    }

    void goodAddressIsSavedAndUsedByTheNextHeader()
    {
        Teacher app;
        const QString moved = app.folder.filePath("sdf.txt");
        app.save(moved);
        QCOMPARE(app.fakes.settings->location, moved);
        QVERIFY(app.message().isEmpty());
        // Back on the registration screen, the lock released by the teacher
        // screen and engaged again for the next pupil.
        QVERIFY(!app.screen("secret")->isVisible());
        QVERIFY(!app.child("Титул1", "Frame1")->isVisible());
        QVERIFY(app.child("Титул1", "Label5")->isVisible());
        QVERIFY(app.child<QLineEdit>("Титул1", "Text3")->text().isEmpty());
        QCOMPARE(app.stage->focusWidget(), app.child("Титул1", "Text1"));
        QCOMPARE(app.fakes.lock->releases, 1);
        QVERIFY(app.fakes.lock->engaged);

        app.registerPupil("Сидоров");
        QCOMPARE(fileText1251(moved), QStringLiteral("\r\n\r\n08.12.2024 10:39:05Сидоров"));
        QCOMPARE(app.log(), QString());
        QCOMPARE(app.fakes.lock->engages, 2);
    }

    void theNextPupilIsHeldAgain_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("ОК with a new address") << "Command2";
        QTest::newRow("Отмена") << "Command3";
    }

    // Whichever way the teacher goes back, the lock is engaged again before
    // the next pupil types, and stays so once the pupil has registered.
    void theNextPupilIsHeldAgain()
    {
        QFETCH(QString, button);
        Teacher app;
        QCOMPARE(app.fakes.lock->engages, 1);
        QVERIFY(app.fakes.lock->engaged);
        app.address()->setText(app.folder.filePath("moved.txt"));
        app.click("secret", button);
        QVERIFY(!app.screen("secret")->isVisible());
        QCOMPARE(app.fakes.lock->releases, 1);
        QCOMPARE(app.fakes.lock->engages, 2);
        QVERIFY(app.fakes.lock->engaged); // engaged after the release, not before

        app.registerPupil("Сидоров");
        QVERIFY(app.child("Титул", "Рез")->isVisible());
        QVERIFY(app.fakes.lock->engaged);
        QCOMPARE(app.fakes.lock->releases, 1);
        QCOMPARE(app.fakes.lock->engages, 2);
    }

    void cancelChangesNothing()
    {
        Teacher app;
        typeText(app.address(), "/tmp/x.txt");
        app.click("secret", "Command3");
        QCOMPARE(app.fakes.settings->writes, 0);
        QCOMPARE(app.fakes.settings->location, app.logPath);
        QVERIFY(!app.screen("secret")->isVisible());
        QCOMPARE(app.fakes.lock->releases, 1);
    }
};

ZORBIKS_TEST(TeacherTest)
#include "TeacherTest.moc"
