// A whole run on the real program and its real services: registration with a
// surname typed on the Latin layout, К1 answered rightly, then wrongly and
// rightly after `Повтор`, the results, `Выход`, `Нет` — and the log holds
// exactly the header, the tokens and the total line.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "app/Startup.h"
#include "platform/Services.h"
#include "shell/Stage.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

class WholeRunTest : public QObject {
    Q_OBJECT
private slots:
    void registerAnswerAndLeave()
    {
        const QString logPath = qEnvironmentVariable("ZORBIKS_DEFAULT_LOG");
        QFile::remove(logPath);
        std::unique_ptr<Stage> stage(static_cast<Stage *>(startApplication({})));
        QSignalSpy ended(stage.get(), &Stage::programEnded);
        auto child = [&](const QString &screen, const QString &name) {
            QWidget *parent = stage->findChild<QWidget *>(screen, Qt::FindDirectChildrenOnly);
            QWidget *widget = parent ? parent->findChild<QWidget *>(name) : nullptr;
            if (!widget)
                qFatal("no %s in %s", qPrintable(name), qPrintable(screen));
            return widget;
        };

        typeText(child("Титул1", "Text1"), "Gtnhjd");
        QCOMPARE(stage->pupil().PupilName, QStringLiteral("Петров"));
        leftClick(child("Титул1", "Далее"));
        QVERIFY(child("Титул", "код")->isVisible());

        leftClick(child("Титул", "К_1"));
        auto answer = [&](const QString &typed) {
            static_cast<QLineEdit *>(child("К1", "Ответ"))->clear();
            typeText(child("К1", "Ответ"), typed);
            leftClick(child("К1", "ОК"));
        };
        auto right = [&] {
            return QString::number(16 *
                                   static_cast<QLabel *>(child("К1", "Label4"))->text().toInt());
        };
        answer(right());
        leftClick(child("К1", "Повтор"));
        QCOMPARE(stage->pupil().TasksShown, qint16(2));
        answer("1");
        answer(right());
        leftClick(child("К1", "Вопросы"));
        leftClick(child("Титул", "Рез"));
        QVERIFY(child("Результат", "Выход")->isVisible());
        leftClick(child("Результат", "Выход"));
        leftClick(child("Результат", "Нет"));
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 6000);
        QVERIFY(stage->isEnding());
        QVERIFY(!stage->services().lock->isEngaged());

        static const QRegularExpression header(
            QStringLiteral("^\r\n\r\n\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\dПетров"));
        const QString log = fileText1251(logPath);
        QVERIFY2(header.match(log).hasMatch(), qPrintable(log));
        QCOMPARE(
            log.mid(header.match(log).capturedLength()),
            QStringLiteral(" К1 - да,  К1 - нет, \r\n Общий итог: всего ответов  2  правильных "
                           "ответов 1 , правильные ответы:  К1, неправильные ответы: К1/1 \r\n"));
    }
};

ZORBIKS_TEST(WholeRunTest)
#include "WholeRunTest.moc"
