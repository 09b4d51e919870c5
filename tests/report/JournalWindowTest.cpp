// The journal's window, offscreen, found by object names: a log opened, the
// three tables and their cells, sorting, the filters, the chart, CSV and PDF.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "report/JournalWidgets.h"
#include "report/JournalWindow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::report;
using namespace zorbiks::test;
namespace LF = zorbiks::LogFormat;

namespace {

struct Window {
    Window()
    {
        QString log;
        auto add = [&](int day, const QString &surname, const QString &tokens, bool total) {
            log += LF::headerRecord({QDate(2024, 10, day), QTime(10, day)}, surname) + tokens;
            if (total)
                log += LF::totalRecord(3, 1, "", "");
        };
        const QString yes = LF::token("К1", LF::Mark::Yes);
        const QString no = LF::token("Л2", LF::Mark::No);
        add(1, "Петрова", yes + no + no, true);
        add(2, "Иванов", no, false);
        add(3, "Петрова", yes + LF::token("И8", LF::Mark::Skip), true);
        add(4, "Смирнова", yes + yes + yes + yes, true);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(Cp1251::encode(log) + "\r\nмусор\r\n");
        file.close();
        window.show();
        window.openPaths({path});
    }
    QTableView *table(const QString &name) const
    {
        auto *view = window.findChild<QTableView *>(name);
        if (!view)
            qFatal("no table %s", qPrintable(name));
        return view;
    }
    int rows(const QString &name) const { return table(name)->model()->rowCount(); }
    QString cell(const QString &name, int row, int column) const
    {
        const QAbstractItemModel *model = table(name)->model();
        return model->data(model->index(row, column)).toString();
    }
    template <typename T> T *find(const QString &name) const
    {
        T *widget = window.findChild<T *>(name);
        if (!widget)
            qFatal("no %s", qPrintable(name));
        return widget;
    }

    QTemporaryDir folder;
    QString path = folder.filePath("Zorbiks.txt");
    JournalWindow window;
};

} // namespace

class JournalWindowTest : public QObject {
    Q_OBJECT
private slots:
    void anOpenedLogFillsTheThreeTables()
    {
        Window w;
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Журнал Зорбикса — Zorbiks.txt"));
        QCOMPARE(w.rows("Работы"), 4);
        QCOMPARE(w.rows("Ученики"), 3);
        QCOMPARE(w.rows("Вопросы"), 28);
        QCOMPARE(w.cell("Работы", 0, 0), QStringLiteral("01.10.2024"));
        QCOMPARE(w.cell("Работы", 0, 2), QStringLiteral("Петрова"));
        QCOMPARE(w.cell("Работы", 0, 3), QStringLiteral("3"));
        QCOMPARE(w.cell("Работы", 1, 9), QStringLiteral("вышел без экрана результатов"));
        QCOMPARE(w.cell("Ученики", 1, 0), QStringLiteral("Петрова"));
        QCOMPARE(w.cell("Ученики", 1, 1), QStringLiteral("2"));
        QCOMPARE(w.cell("Вопросы", 0, 1), QStringLiteral("6"));
        QCOMPARE(w.cell("Вопросы", 0, 5), QStringLiteral("100,0"));
        QCOMPARE(w.cell("Вопросы", 12, 3), QStringLiteral("3")); // Л2
        QVERIFY(w.find<QLabel>("Итог")->text().contains(QStringLiteral("Работ: 4")));
        QVERIFY(w.find<QPlainTextEdit>("Замечания")
                    ->toPlainText()
                    .contains(QStringLiteral("Zorbiks.txt, строка 16: непонятная строка «мусор»")));
        const QList<ChartBar> &bars = w.find<BarChart>("Диаграмма")->bars();
        QCOMPARE(bars.size(), 28);
        QCOMPARE(bars[0].share, 100.0);
        QCOMPARE(bars[1].share, -1.0);
        for (const QString name : {"Открыть", "ОткрытьПапку", "СохранитьCSV", "СохранитьТаблицу",
                                   "Печать", "СохранитьPDF"})
            QVERIFY(w.find<QPushButton>(name)->isEnabled());
    }

    void columnsSortAsNumbersAndDates()
    {
        Window w;
        QTableView *runs = w.table("Работы");
        runs->sortByColumn(3, Qt::DescendingOrder); // attempts: 4, 3, 2, 1
        QCOMPARE(w.cell("Работы", 0, 2), QStringLiteral("Смирнова"));
        QCOMPARE(w.cell("Работы", 3, 2), QStringLiteral("Иванов"));
        runs->sortByColumn(0, Qt::DescendingOrder);
        QCOMPARE(w.cell("Работы", 0, 0), QStringLiteral("04.10.2024"));
        QTableView *questions = w.table("Вопросы");
        questions->sortByColumn(1, Qt::DescendingOrder);
        QCOMPARE(w.cell("Вопросы", 0, 0), QStringLiteral("К1"));
        QCOMPARE(w.cell("Вопросы", 1, 0), QStringLiteral("Л2"));
        questions->sortByColumn(0, Qt::AscendingOrder); // menu order, not text order
        QCOMPARE(w.cell("Вопросы", 10, 0), QStringLiteral("К11"));
    }

    void filtersNarrowEveryTable()
    {
        Window w;
        auto *surname = w.find<QLineEdit>("Фамилия");
        typeText(surname, "петр");
        QCOMPARE(w.rows("Работы"), 4); // not at every letter
        QTRY_COMPARE(w.rows("Работы"), 2);
        QCOMPARE(w.rows("Ученики"), 1);
        QCOMPARE(w.cell("Вопросы", 0, 1), QStringLiteral("2"));
        surname->clear();
        QTRY_COMPARE(w.rows("Работы"), 4);

        auto *question = w.find<QComboBox>("Вопрос");
        question->setCurrentIndex(question->findText("Л2"));
        QCOMPARE(w.rows("Работы"), 2);
        QCOMPARE(w.cell("Работы", 0, 3), QStringLiteral("2")); // only Л2's attempts
        QCOMPARE(w.cell("Вопросы", 0, 1), QStringLiteral("0"));
        question->setCurrentIndex(0);

        w.find<QDateEdit>("С")->setDate(QDate(2024, 10, 2));
        w.find<QDateEdit>("По")->setDate(QDate(2024, 10, 3));
        QCOMPARE(w.rows("Работы"), 2);
        QCOMPARE(w.cell("Работы", 0, 2), QStringLiteral("Иванов"));
        QCOMPARE(w.window.filter().from, QDate(2024, 10, 2));
    }

    void csvAndPdfAreSaved()
    {
        Window w;
        typeText(w.find<QLineEdit>("Фамилия"), "Смирн");
        QTRY_COMPARE(w.rows("Работы"), 1);
        const QString csvPath = w.folder.filePath("журнал.csv");
        QVERIFY(w.window.saveCsv(csvPath));
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QString text = QString::fromUtf8(bytes);
        QVERIFY(text.contains(QStringLiteral("04.10.2024;10:04:00;Смирнова;4;4;0;0;3;1;")));
        QVERIFY(!text.contains(QStringLiteral("Петрова")));

        const QString pdfPath = w.folder.filePath("журнал.pdf");
        QVERIFY(w.window.savePdf(pdfPath));
        QFile pdf(pdfPath);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(!w.window.saveCsv(w.folder.filePath("missing/folder/a.csv")));
    }

    void theSpreadsheetIsSavedAsFiltered()
    {
        Window w;
        typeText(w.find<QLineEdit>("Фамилия"), "Смирн");
        QTRY_COMPARE(w.rows("Работы"), 1);
        const QString path = w.folder.filePath("журнал.fods");
        QVERIFY(w.window.saveOds(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString xml = QString::fromUtf8(file.readAll());
        QVERIFY(xml.contains(QStringLiteral("<table:table table:name=\"Работы\">")));
        QVERIFY(xml.contains(QStringLiteral("office:value-type=\"date\" "
                                            "office:date-value=\"2024-10-04\"")));
        QVERIFY(xml.contains(QStringLiteral("Смирнова")));
        QVERIFY(!xml.contains(QStringLiteral("Петрова")));
        QVERIFY(xml.contains(QStringLiteral("фамилия «Смирн»")));
        QVERIFY(!w.window.saveOds(w.folder.filePath("missing/folder/a.fods")));
    }

    void theQuestionsTableFitsBesideTheChart_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("the window as it opens") << QSize();
        QTest::newRow("1024 x 768") << QSize(1024, 768);
    }

    void theQuestionsTableFitsBesideTheChart()
    {
        QFETCH(QSize, size);
        Window w;
        if (size.isValid())
            w.window.resize(size);
        QTableView *questions = w.table("Вопросы");
        auto *tabs = w.find<QTabWidget>("Таблицы");
        for (int i = 0; i < tabs->count(); ++i) // the "now" tab may stand first
            if (tabs->widget(i)->isAncestorOf(questions))
                tabs->setCurrentIndex(i);
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QApplication::processEvents();
        QHeaderView *header = questions->horizontalHeader();
        QVERIFY(!questions->horizontalScrollBar()->isVisible());
        QVERIFY2(header->length() <= questions->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2")
                                .arg(header->length())
                                .arg(questions->viewport()->width())));
        for (int c = 0; c < header->count(); ++c)
            QVERIFY2(header->sectionSize(c) >= header->sectionSizeHint(c),
                     qPrintable(header->model()->headerData(c, Qt::Horizontal).toString()));
        QVERIFY(w.find<BarChart>("Диаграмма")->width() >= 360);
    }

    void aQuestionNeverRightHasAZeroMarkAndOneNeverTriedNothing()
    {
        // Two slots: К1 tried once and wrong, К2 never tried.
        QImage image(400, 300, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            paintChart(painter, image.rect(), {{"К1", 1, 0.0}, {"К2", 0, -1}});
        }
        auto coloured = [&](int fromX, int toX) {
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = fromX; x < toX; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    count += c.red() > c.green() + 60 || c.blue() > c.red() + 60;
                }
            return count;
        };
        const int middle = image.width() / 2 + 20; // the slots start after the axis labels
        QVERIFY2(coloured(0, middle) >= 3 * 20, "К1 has no zero mark");
        QCOMPARE(coloured(middle, image.width()), 0);
    }

    void openingAnotherLogReplacesTheJournal()
    {
        Window w;
        w.window.openPaths({w.folder.filePath("missing.txt")});
        QCOMPARE(w.rows("Работы"), 0);
        QVERIFY(w.find<QPlainTextEdit>("Замечания")->toPlainText().contains("файл не найден"));
        w.window.openPaths({w.folder.path()});
        QCOMPARE(w.rows("Работы"), 4);
    }
};

ZORBIKS_TEST(JournalWindowTest)
#include "JournalWindowTest.moc"
