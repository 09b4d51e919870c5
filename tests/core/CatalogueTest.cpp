// The catalogue declares every question once: its codes are those the
// results log knows, in the menu's order, and each line is whole.

#include "support/TestMain.h"

#include "log/LogFormat.h"
#include "tasks/Catalogue.h"

#include <QSet>
#include <QTest>

using namespace zorbiks;

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void codesAreTheLogsInItsOrder()
    {
        QCOMPARE(Catalogue::codes(), LogFormat::questionCodes());
        QCOMPARE(Catalogue::questions().size(), LogFormat::questionCount);
        for (const Question &question : Catalogue::questions())
            QCOMPARE(Catalogue::find(question.code), &question);
        QVERIFY(!Catalogue::find(QStringLiteral("К12")));
    }

    void sectionsAgreeWithTheCodeLetterAndTheLog()
    {
        // The letter of each section, in the order of Section (the menu's tabs).
        const QString sectionLetters = QStringLiteral("КЛПИ");
        // The log keeps its own letters: the same, in the order of its codes.
        QString logLetters;
        for (const QString &code : LogFormat::questionCodes()) {
            if (!logLetters.contains(code.front()))
                logLetters.append(code.front());
        }
        QCOMPARE(logLetters, sectionLetters);
        for (const Question &question : Catalogue::questions()) {
            const int section = static_cast<int>(question.section());
            QVERIFY2(section < sectionLetters.size(), qPrintable(question.code));
            QCOMPARE(question.code.front(), sectionLetters[section]);
        }
    }

    void everyLineIsWhole()
    {
        QSet<QString> captions;
        for (const Question &question : Catalogue::questions()) {
            const QString &code = question.code;
            QVERIFY2(question.make, qPrintable(code));
            QVERIFY2(question.caption.startsWith(code + QStringLiteral(". ")),
                     qPrintable(question.caption));
            QVERIFY2(question.caption.size() > code.size() + 2, qPrintable(code));
            captions.insert(question.caption);
            // Each line makes its exercise, and no two lines make the same one.
            QVERIFY2(question.make(), qPrintable(code));
            for (const Question &other : Catalogue::questions()) {
                if (&other != &question)
                    QVERIFY2(other.make != question.make, qPrintable(code + " " + other.code));
            }
        }
        QCOMPARE(captions.size(), Catalogue::questions().size());
    }
};

ZORBIKS_TEST(CatalogueTest)
#include "CatalogueTest.moc"
