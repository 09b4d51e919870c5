#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "log/Cp1251.h"
#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "pupil/PupilRecord.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <unistd.h>

using namespace zorbiks;
using zorbiks::test::fileBytes;

namespace {

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// A small tmpfs of its own, where the system lets this process mount one.
class SmallDisk {
public:
    explicit SmallDisk(const QString &where)
        : where_(where)
    {
        QDir().mkpath(where_);
        mounted_ = ::geteuid() == 0 &&
                   run("mount", {"-t", "tmpfs", "-o", "size=64k,mode=0755", "tmpfs", where_});
    }
    ~SmallDisk()
    {
        if (mounted_)
            run("umount", {"-l", where_});
    }
    bool mounted() const { return mounted_; }
    bool setReadOnly(bool readOnly)
    {
        return run("mount", {"-o", readOnly ? "remount,ro" : "remount,rw", where_});
    }

private:
    QString where_;
    bool mounted_ = false;
};

// Fills the folder's file system up to the last byte.
void fill(const QString &path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    const QByteArray byte(1, 'x');
    while (filler.write(byte) == 1 && filler.flush()) {
    }
}

} // namespace

class BadPlacesTest : public QObject {
    Q_OBJECT
private slots:
    // While the log cannot be written, every record stays pending (in the
    // spool); once the place works again, the next record writes them all,
    // in order, before itself.
    void pendingRecordsAreWrittenInOrderOnceThePlaceWorks_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::newRow("full disk") << "full disk";
        QTest::newRow("read-only folder") << "read-only folder";
        QTest::newRow("folder removed") << "folder removed";
        QTest::newRow("path is a folder") << "path is a folder";
    }

    void pendingRecordsAreWrittenInOrderOnceThePlaceWorks()
    {
        QFETCH(QString, trouble);
        QTemporaryDir folder;
        const QString place = folder.filePath("place");
        QString log = place + "/log.txt";
        PupilRecord pupil;
        FakeSettingsStore settings;
        FakeClock clock;
        settings.location = log;
        ResultsLog results(pupil, settings, clock, folder.filePath("default.txt"),
                           folder.filePath("spool"));
        std::unique_ptr<SmallDisk> disk;
        std::function<void()> mend;

        if (trouble == "full disk" || (trouble == "read-only folder" && ::geteuid() == 0)) {
            disk = std::make_unique<SmallDisk>(place);
            if (!disk->mounted())
                QSKIP("no tmpfs can be mounted here (needs root): case not run");
        } else {
            QDir().mkpath(place);
        }
        results.writeToken("[first]");
        if (trouble == "full disk") {
            fill(place + "/filler");
            // The first file's last page still has room: a new one has none.
            log = place + "/new.txt";
            settings.location = log;
            mend = [&] { QFile::remove(place + "/filler"); };
        } else if (trouble == "read-only folder") {
            if (disk) {
                QVERIFY(disk->setReadOnly(true));
                mend = [&] { QVERIFY(disk->setReadOnly(false)); };
            } else {
                QFile::setPermissions(place, QFile::ReadOwner | QFile::ExeOwner);
                log = place + "/new.txt"; // the old file itself stays writable
                settings.location = log;
                mend = [&] {
                    QFile::setPermissions(place,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                };
            }
        } else if (trouble == "folder removed") {
            QVERIFY(QDir(place).removeRecursively());
            mend = [&] { QDir().mkpath(place); };
        } else {
            settings.location = place;
            mend = [&] { settings.location = log; };
        }

        const QStringList kept = {"[2 К1 - да, ]", "[3 К1 - нет, ]", "[4]"};
        for (const QString &record : kept)
            results.writeToken(record);
        QCOMPARE(results.pendingCount(), kept.size());
        mend();
        results.writeToken("[5]");
        QVERIFY(!results.hasPending());

        QByteArray expected = trouble == "folder removed" || log.endsWith("new.txt")
                                  ? QByteArray()
                                  : QByteArray("[first]");
        for (const QString &record : kept + QStringList{"[5]"})
            expected += Cp1251::encode(record);
        QCOMPARE(fileBytes(log), expected);
    }
};

ZORBIKS_TEST(BadPlacesTest)
#include "BadPlacesTest.moc"
