// The journal window's "Сейчас" tab, offscreen: opened on the classroom
// folder it comes first and follows what the program writes there by
// itself; opened on an old file it waits behind the journal's tables.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "pupil/PupilRecord.h"
#include "report/JournalWidgets.h"
#include "report/JournalWindow.h"
#include "report/NowTable.h"

#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::report;
namespace LF = zorbiks::LogFormat;

namespace {

// A pupil computer writing through the program's own log writer.
struct Computer {
    Computer(const QString &path, FakeClock &clock, const QString &surname)
        : log(pupil, settings, clock, path, spool.filePath("pending"))
    {
        settings.location = path;
        pupil.PupilName = surname;
        log.writeHeader();
    }
    void attempt(const QString &code, LF::Mark mark) { log.writeToken(LF::token(code, mark)); }

    PupilRecord pupil;
    FakeSettingsStore settings;
    QTemporaryDir spool;
    ResultsLog log;
};

struct Window {
    explicit Window(const QDateTime &now)
    {
        clock.time = now;
        window.show();
    }
    QTabWidget *tabs() const { return window.findChild<QTabWidget *>("Таблицы"); }
    QAbstractItemModel *now() const
    {
        return window.findChild<QTableView *>("СейчасТаблица")->model();
    }
    QVariant cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return now()->data(now()->index(row, column), role);
    }

    QTemporaryDir folder;
    FakeClock clock;
    JournalWindow window{nullptr, clock};
};

} // namespace

class NowTabTest : public QObject {
    Q_OBJECT
private slots:
    void theClassroomFolderOpensOnTheNowTabThatFollowsIt()
    {
        // The lesson's ten minutes stay within one day, whenever the test
        // runs: "today's" runs would be gone after midnight.
        Window w(
            std::min(QDateTime::currentDateTime(), QDateTime(QDate::currentDate(), QTime(23, 0))));
        Computer one(w.folder.filePath("комп1.txt"), w.clock, "Аверина");
        one.attempt("К1", LF::Mark::Yes);
        w.window.openPaths({w.folder.path()});
        QCOMPARE(w.tabs()->tabText(0), QStringLiteral("Сейчас"));
        QCOMPARE(w.tabs()->currentIndex(), 0);
        QCOMPARE(w.tabs()->tabText(1), QStringLiteral("Работы (1)"));
        QCOMPARE(w.now()->rowCount(), 1);
        QCOMPARE(w.now()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Ученик"));
        QCOMPARE(w.cell(0, NowTable::Surname).toString(), QStringLiteral("Аверина"));
        QCOMPARE(w.cell(0, NowTable::State).toString(), QStringLiteral("работает"));
        QCOMPARE(w.cell(0, NowTable::RightFirst, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));

        // A pupil at a new computer, and Аверина stuck: the tab sees both
        // without being asked.
        Computer two(w.folder.filePath("комп2.txt"), w.clock, "Борисов");
        for (int i = 0; i < 3; ++i)
            one.attempt("К2", LF::Mark::No);
        QTRY_COMPARE_WITH_TIMEOUT(w.now()->rowCount(), 2, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(w.cell(0, NowTable::State).toString(),
                                  QStringLiteral("застрял: ошибок подряд 3"), 5000);
        QCOMPARE(w.cell(0, NowTable::Surname).toString(), QStringLiteral("Аверина"));
        QCOMPARE(w.cell(0, NowTable::LastTokens).toString(),
                 QStringLiteral("К1 да, К2 нет, К2 нет, К2 нет"));
        QCOMPARE(w.cell(0, 0, Qt::BackgroundRole).value<QColor>(), attentionColour());
        QCOMPARE(w.cell(1, NowTable::Surname).toString(), QStringLiteral("Борисов"));
        QVERIFY(!w.cell(1, 0, Qt::BackgroundRole).isValid());

        // Ten minutes with nothing written: the periodic look alone finds
        // both gone without the results screen.
        w.clock.time = w.clock.time.addSecs(idleLimitSeconds);
        QTRY_COMPARE_WITH_TIMEOUT(w.cell(1, NowTable::State).toString(), unfinishedWords(),
                                  FollowWatcher::periodMs + 2000);
        QCOMPARE(w.cell(0, NowTable::State).toString(), unfinishedWords());
        QCOMPARE(w.cell(0, 0, Qt::BackgroundRole).value<QColor>(), unfinishedColour());
        QCOMPARE(w.cell(0, NowTable::LastActivity).toString(), QStringLiteral("10 мин назад"));
        QVERIFY(w.window.findChild<QLabel *>("СейчасИтог")
                    ->text()
                    .startsWith(QStringLiteral("Сегодня работ: 2. Застряли: 0, вышли без экрана "
                                               "результатов: 2")));
    }

    void anOldLogOpensOnTheJournalWithTheNowTabLast()
    {
        Window w(QDateTime(QDate(2024, 12, 9), QTime(12, 0)));
        const QString path = w.folder.filePath("Zorbiks.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            Cp1251::encode(LF::headerRecord(QDateTime(QDate(2024, 12, 9), QTime(9, 0)), "Аверина") +
                           LF::token("К1", LF::Mark::Yes)));
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(w.clock.time.addSecs(-3600), QFileDevice::FileModificationTime));
        file.close();
        w.window.openPaths({path});
        QCOMPARE(w.tabs()->currentIndex(), 0);
        QCOMPARE(w.tabs()->tabText(0), QStringLiteral("Работы (1)"));
        QCOMPARE(w.tabs()->tabText(w.tabs()->count() - 1), QStringLiteral("Сейчас"));
        QCOMPARE(w.now()->rowCount(), 1);
        QCOMPARE(w.cell(0, NowTable::State).toString(), unfinishedWords()); // an hour idle

        // The same file while it is being written comes first.
        w.clock.time = QDateTime::currentDateTime();
        QVERIFY(file.open(QIODevice::Append));
        file.write(Cp1251::encode(LF::headerRecord(w.clock.time, "Борисов")));
        file.close();
        w.window.openPaths({path});
        QCOMPARE(w.tabs()->tabText(0), QStringLiteral("Сейчас"));
        QCOMPARE(w.tabs()->currentIndex(), 0);
        QCOMPARE(w.tabs()->count(), 4);
        QCOMPARE(w.cell(0, NowTable::Surname).toString(), QStringLiteral("Борисов"));
    }
};

ZORBIKS_TEST(NowTabTest)
#include "NowTabTest.moc"
