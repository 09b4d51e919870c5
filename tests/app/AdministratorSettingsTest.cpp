// The classroom-wide log location of the system-wide settings: read while
// the pupil's own settings name none, never written, and overridden by the
// location the teacher screen stores.

#include "support/TestMain.h"

#include "platform/Services.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

using namespace zorbiks;

class AdministratorSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void systemWideLocationIsTheFallbackOfTheTeachersSetting()
    {
        const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        const QString folder =
            qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':')).first() + '/' + app;
        QVERIFY(QDir().mkpath(folder));
        const QString systemFile = folder + '/' + app + QStringLiteral(".conf");
        const QByteArray systemText = "[Position]\nsecr=/srv/класс/Zorbiks.txt\n";
        {
            QFile file(systemFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(systemText);
        }
        auto services = makeRealServices({true});
        QCOMPARE(services->settings->logLocation(), QStringLiteral("/srv/класс/Zorbiks.txt"));

        const QString teachers = QDir::temp().filePath(QStringLiteral("teacher/Zorbiks.txt"));
        QVERIFY(services->settings->setLogLocation(teachers));
        QCOMPARE(services->settings->logLocation(), teachers);
        QFile file(systemFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), systemText);
        QVERIFY(QFile::remove(systemFile));
        QVERIFY(services->settings->setLogLocation(QString())); // the other tests' default
    }

    void displayScaleOfTheClassroomAndTheUser_data()
    {
        QTest::addColumn<QByteArray>("classroom");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<double>("scale"); // 0: none, the stage keeps its proportions
        QTest::newRow("neither") << QByteArray() << QByteArray() << 0.0;
        QTest::newRow("classroom off") << QByteArray("[Display]\nscale=1\n") << QByteArray() << 1.0;
        QTest::newRow("classroom fixed")
            << QByteArray("[Display]\nscale=1.5\n") << QByteArray() << 1.5;
        QTest::newRow("user over classroom")
            << QByteArray("[Display]\nscale=1\n") << QByteArray("[Display]\nscale=2\n") << 2.0;
        QTest::newRow("user off") << QByteArray() << QByteArray("[Display]\nscale=1\n") << 1.0;
        QTest::newRow("not a number")
            << QByteArray("[Display]\nscale=auto\n") << QByteArray() << 0.0;
        QTest::newRow("below one") << QByteArray("[Display]\nscale=0.5\n") << QByteArray() << 0.0;
        QTest::newRow("beyond four") << QByteArray("[Display]\nscale=9\n") << QByteArray() << 0.0;
    }

    void displayScaleOfTheClassroomAndTheUser()
    {
        QFETCH(QByteArray, classroom);
        QFETCH(QByteArray, user);
        QFETCH(double, scale);
        const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        const QString systemFile = qEnvironmentVariable("XDG_CONFIG_DIRS").split(':').first() +
                                   '/' + app + '/' + app + QStringLiteral(".conf");
        const QString userFile = qEnvironmentVariable("XDG_CONFIG_HOME") + '/' + app + '/' + app +
                                 QStringLiteral(".conf");
        // Each row's files are new to QSettings, which keeps a file it has
        // read until its size or time changes.
        static int row = 0;
        const QDateTime written = QDateTime::currentDateTime().addSecs(-1000 + 10 * row++);
        for (const auto &[path, text] :
             {std::pair(systemFile, classroom), std::pair(userFile, user)}) {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
            QVERIFY(file.flush());
            QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
        }
        const std::optional<double> read = makeRealServices({true})->settings->displayScale();
        QFile::remove(systemFile);
        QFile::remove(userFile);
        QCOMPARE(read.value_or(0), scale);
    }
    // The location is kept between records and read again whenever a
    // settings file changed, however it changed.
    void everyChangeOfTheFilesIsSeenAtTheNextRecord()
    {
        const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        const QString userFile = qEnvironmentVariable("XDG_CONFIG_HOME") + '/' + app + '/' + app +
                                 QStringLiteral(".conf");
        const QString systemFile = qEnvironmentVariable("XDG_CONFIG_DIRS").split(':').first() +
                                   '/' + app + '/' + app + QStringLiteral(".conf");
        auto services = makeRealServices({true});
        SettingsStore &store = *services->settings;
        QVERIFY(store.setLogLocation(QStringLiteral("/класс/один.txt")));
        QCOMPARE(store.logLocation(), QStringLiteral("/класс/один.txt"));
        QCOMPARE(store.logLocation(), QStringLiteral("/класс/один.txt"));

        // Another copy of the program, on the teacher screen.
        QSettings(QSettings::NativeFormat, QSettings::UserScope, app, app)
            .setValue(QStringLiteral("Position/secr"), QStringLiteral("/класс/два.txt"));
        QCOMPARE(store.logLocation(), QStringLiteral("/класс/два.txt"));

        // The administrator, in place: the same file, the same size.
        {
            QFile file(userFile);
            QVERIFY(file.open(QIODevice::ReadWrite));
            const QByteArray text = file.readAll().replace("два", "три");
            QVERIFY(file.seek(0));
            file.write(text);
            QVERIFY(file.flush());
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                     QFileDevice::FileModificationTime));
        }
        QCOMPARE(store.logLocation(), QStringLiteral("/класс/три.txt"));

        // The user's file gone: the classroom's, once it is there.
        QVERIFY(QFile::remove(userFile));
        QCOMPARE(store.logLocation(), QString());
        QVERIFY(QDir().mkpath(QFileInfo(systemFile).path()));
        {
            QFile file(systemFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Position]\nsecr=/srv/класс/Zorbiks.txt\n");
        }
        QCOMPARE(store.logLocation(), QStringLiteral("/srv/класс/Zorbiks.txt"));
        QVERIFY(QFile::remove(systemFile));
        QCOMPARE(store.logLocation(), QString());
    }
};

ZORBIKS_TEST(AdministratorSettingsTest)
#include "AdministratorSettingsTest.moc"
