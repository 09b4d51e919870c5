// The data of И5 and И6 checked against what the questions ask: the path
// reached by moving up and down, and the style each option names.

#include "support/TestMain.h"

#include "tasks/infotech/DirectoryPath.h"
#include "tasks/infotech/FontStyleName.h"

#include <QSet>
#include <QTest>

using namespace zorbiks;

namespace {

// The directory reached from `start` by two levels up and one down into
// `name`, written with the Cyrillic drive letter of the options.
QString upTwiceAndDown(const QString &start, const QString &name)
{
    QStringList parts = start.split(QLatin1Char('\\'));
    parts.resize(parts.size() - 2);
    parts.append(name);
    QString path = parts.join(QLatin1Char('\\'));
    if (path.startsWith(QLatin1Char('C')))
        path[0] = QChar(0x0421); // Cyrillic С
    return path;
}

// The style a caption names.
FontStyle styleNamed(const QString &caption)
{
    FontStyle style;
    style.bold = caption.contains(QStringLiteral("Жирный"));
    style.italic = caption.contains(QStringLiteral("курсив"), Qt::CaseInsensitive);
    style.underline = caption.contains(QStringLiteral("подчёркнутый"));
    style.strikeOut = caption.contains(QStringLiteral("зачёркнутый"));
    if (caption.contains(QStringLiteral("Обычный")) && (style.bold || style.italic))
        qFatal("%s names a regular and another style", qPrintable(caption));
    return style;
}

} // namespace

class DirectoryAndTextDataTest : public QObject {
    Q_OBJECT
private slots:
    void directoryRightPathIsTwoUpAndOneDown()
    {
        const auto &sets = DirectoryPathModel::dataSets();
        for (size_t k = 0; k < sets.size(); ++k) {
            const DirectoryDataSet &set = sets[k];
            QVERIFY(set.start.startsWith(QStringLiteral("C:\\"))); // Latin
            const QString reached = upTwiceAndDown(set.start, set.descent);
            // Exactly the option of the data set's number.
            for (size_t option = 0; option < set.paths.size(); ++option) {
                QVERIFY2((set.paths[option] == reached) == (option == k),
                         qPrintable(QStringLiteral("data set %1, option %2: %3")
                                        .arg(k + 1)
                                        .arg(option + 1)
                                        .arg(set.paths[option])));
                QVERIFY(set.paths[option].startsWith(QStringLiteral("С:\\"))); // Cyrillic
            }
        }
    }

    void styleOptionNamesItsDataSetsStyle()
    {
        const auto &sets = FontStyleModel::dataSets();
        QSet<QString> distinct;
        for (size_t k = 0; k < sets.size(); ++k) {
            const FontStyle named = styleNamed(sets[k].caption);
            QVERIFY2(named == sets[k].style, qPrintable(sets[k].caption));
            distinct.insert(QStringLiteral("%1%2%3%4")
                                .arg(named.bold)
                                .arg(named.italic)
                                .arg(named.underline)
                                .arg(named.strikeOut));
        }
        QCOMPARE(distinct.size(), 8);
    }
};

ZORBIKS_TEST(DirectoryAndTextDataTest)
#include "DirectoryAndTextDataTest.moc"
