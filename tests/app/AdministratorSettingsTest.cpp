// The classroom-wide log location of the system-wide settings: read while
// the pupil's own settings name none, never written, and overridden by the
// location the teacher screen stores.

#include "support/TestMain.h"

#include "platform/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
};

ZORBIKS_TEST(AdministratorSettingsTest)
#include "AdministratorSettingsTest.moc"
