// Writes a results log of many made-up runs, as the program writes them, for
// measuring the teacher's journal: make_journal FILE [RUNS] [SEED].
// 200 000 runs (the default) make about 40 MB: a year of a school's logs.

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "pupil/PupilRecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <random>

using namespace zorbiks;
namespace LF = zorbiks::LogFormat;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "make_journal FILE [RUNS] [SEED]\n");
        return 2;
    }
    const int runs = arguments.size() > 2 ? arguments[2].toInt() : 200000;
    std::mt19937 random(arguments.size() > 3 ? arguments[3].toUInt() : 2024u);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

    const QStringList stems = {"Иванов",   "Петров",     "Сидоров",  "Кузнецов", "Смирнов",
                               "Попов",    "Волков",     "Соколов",  "Лебедев",  "Козлов",
                               "Новиков",  "Морозов",    "Зайцев",   "Павлов",   "Семёнов",
                               "Голубев",  "Виноградов", "Богданов", "Воробьёв", "Фёдоров",
                               "Михайлов", "Беляев",     "Тарасов",  "Белов",    "Комаров",
                               "Орлов",    "Киселёв",    "Макаров",  "Андреев",  "Ковалёв"};
    QStringList surnames;
    for (const QString &stem : stems) {
        surnames << stem << stem + "а";
        for (const char *extra : {" Андрей", "-Белый"})
            surnames << stem + QString::fromUtf8(extra);
    }
    const QList<QString> &codes = LF::questionCodes();

    QFile file(arguments[1]);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments[1]));
        return 1;
    }
    const QDateTime first(QDate(2024, 9, 2), QTime(8, 0));
    qint64 seconds = 0;
    qint64 bytes = 0;
    QString text;
    for (int r = 0; r < runs; ++r) {
        seconds += 40 + below(80);
        QDateTime start = first.addSecs(seconds);
        if (start.time().hour() >= 15) { // the next school day
            seconds += (24 - 15 + 8) * 3600;
            while (first.addSecs(seconds).date().dayOfWeek() > 5)
                seconds += 24 * 3600;
            start = first.addSecs(seconds);
        }
        PupilRecord pupil;
        pupil.PupilName = surnames[below(static_cast<int>(surnames.size()))];
        text = LF::headerRecord(start, pupil.PupilName);
        const int visits = 1 + below(4);
        for (int v = 0; v < visits; ++v) {
            const int q = below(LF::questionCount);
            const QString &code = codes[q];
            const bool blank = !(q >= 20 && q <= 24); // И1 … И5 end with the comma
            qint16 correct = 0;
            const int tasks = 1 + below(3);
            for (int t = 0; t < tasks; ++t) {
                increment(pupil.TasksShown);
                const int outcome = below(10);
                if (outcome < 6) {
                    text += LF::token(code, LF::Mark::Yes, blank);
                    increment(pupil.CorrectTotal);
                    ++correct;
                } else if (outcome < 9) {
                    const qint16 wrong = static_cast<qint16>(1 + below(2));
                    for (int w = 0; w < wrong; ++w)
                        text += LF::token(code, LF::Mark::No, blank);
                    pupil.flushWrong(code + "/", wrong);
                } else {
                    text += LF::token(code, LF::Mark::Skip);
                    pupil.flushGiveUp(code + "/", 0);
                }
            }
            pupil.flushCorrect(code, correct);
        }
        if (below(100) < 85)
            text += LF::totalRecord(pupil.TasksShown, pupil.CorrectTotal, pupil.CorrectList,
                                    pupil.WrongList);
        const QByteArray encoded = Cp1251::encode(text);
        file.write(encoded);
        bytes += encoded.size();
    }
    std::printf("%d runs, %lld bytes\n", runs, static_cast<long long>(bytes));
    return file.flush() ? 0 : 1;
}
