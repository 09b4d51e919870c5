// A class at work, for measuring the journal that follows it: every
// computer writes its own log in one folder through the program's own
// writer (open, lock, append, sync, close for every record), one record
// every few seconds: a header when a pupil registers, a token per attempt,
// and the total when the pupil leaves through the results screen; some
// pupils get stuck on a question, some leave without the results screen.
//
//   make_class FOLDER [--computers 30] [--minutes 10] [--every 5]
//              [--speed 1] [--times FILE] [--seed 2024]
//
// --speed 10 runs the same lesson ten times faster (a record every 0.5 s
// per computer). --times writes one line per record: the computer, the
// size of its file after the record and the time it was written (µs since
// the epoch). At the end: "records R tokens T runs U".

#include "log/LogFormat.h"
#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "pupil/PupilRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <thread>
#include <vector>

using namespace zorbiks;
namespace LF = zorbiks::LogFormat;
using Steady = std::chrono::steady_clock;

namespace {

struct Settings {
    QString folder;
    int computers = 30;
    double minutes = 10;
    double every = 5;
    double speed = 1;
    QString times;
    unsigned seed = 2024;
};

bool parse(const QStringList &arguments, Settings &settings)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == "--computers" && hasValue)
            settings.computers = arguments[++i].toInt();
        else if (a == "--minutes" && hasValue)
            settings.minutes = arguments[++i].toDouble();
        else if (a == "--every" && hasValue)
            settings.every = arguments[++i].toDouble();
        else if (a == "--speed" && hasValue)
            settings.speed = arguments[++i].toDouble();
        else if (a == "--times" && hasValue)
            settings.times = arguments[++i];
        else if (a == "--seed" && hasValue)
            settings.seed = arguments[++i].toUInt();
        else if (!a.startsWith("--") && settings.folder.isEmpty())
            settings.folder = a;
        else
            return false;
    }
    return !settings.folder.isEmpty() && settings.computers > 0 && settings.speed > 0 &&
           settings.every > 0;
}

// One computer of the class: its log writer and what its pupil does next.
class Computer {
public:
    Computer(const QString &path, const QString &spool, std::mt19937 &random)
        : random_(random)
        , log_(pupil_, settings_, clock_, path, spool)
    {
        settings_.location = path;
    }

    // Writes the next record; returns whether it was a token.
    bool next()
    {
        clock_.time = QDateTime::currentDateTime();
        if (!running_) {
            start();
            return false;
        }
        if (left_ == 0) {
            running_ = false;
            if (below(10) < 8) // the others leave some other way
                finish();
            else
                return next();
            return false;
        }
        --left_;
        attempt();
        return true;
    }
    int runs() const { return runs_; }

private:
    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    void start()
    {
        static const QStringList names = {"Аверина",  "Борисов", "Волкова",  "Громов",  "Дёмина",
                                          "Ершов",    "Жукова",  "Зуев",     "Иванова", "Ковалёв",
                                          "Лебедева", "Морозов", "Новикова", "Орлов",   "Петрова"};
        pupil_ = PupilRecord();
        pupil_.PupilName = names[below(static_cast<int>(names.size()))];
        log_.writeHeader();
        running_ = true;
        left_ = 20 + below(60);
        question_ = below(LF::questionCount);
        ++runs_;
    }

    // One attempt: mostly right, sometimes wrong, a few times stuck for a
    // while on one question.
    void attempt()
    {
        if (below(6) == 0)
            question_ = below(LF::questionCount);
        const QString &code = LF::questionCodes()[question_];
        const bool blank = !(question_ >= 20 && question_ <= 24); // И1 … И5 end with the comma
        if (stuck_ == 0 && below(25) == 0)
            stuck_ = 3 + below(4);
        LF::Mark mark = below(10) < 6   ? LF::Mark::Yes
                        : below(8) == 0 ? LF::Mark::Skip
                                        : LF::Mark::No;
        if (stuck_ > 0) {
            --stuck_;
            mark = LF::Mark::No;
        }
        log_.writeToken(LF::token(code, mark, blank));
        ++pupil_.TasksShown;
        if (mark == LF::Mark::Yes)
            ++pupil_.CorrectTotal;
    }

    void finish() { log_.writeTotal(); }

    std::mt19937 &random_;
    PupilRecord pupil_;
    FakeSettingsStore settings_;
    FakeClock clock_;
    ResultsLog log_;
    bool running_ = false;
    int left_ = 0;
    int question_ = 0;
    int stuck_ = 0;
    int runs_ = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    Settings settings;
    if (!parse(application.arguments(), settings)) {
        std::fprintf(stderr, "make_class FOLDER [--computers 30] [--minutes 10] [--every 5] "
                             "[--speed 1] [--times FILE] [--seed 2024]\n");
        return 2;
    }
    QDir().mkpath(settings.folder);
    QTemporaryDir spools;
    std::mt19937 random(settings.seed);
    std::vector<std::unique_ptr<Computer>> computers;
    QStringList paths;
    for (int c = 0; c < settings.computers; ++c) {
        paths << QDir(settings.folder)
                     .filePath(QStringLiteral("комп%1.txt").arg(c + 1, 2, 10, QChar('0')));
        computers.push_back(
            std::make_unique<Computer>(paths.last(), spools.filePath(QString::number(c)), random));
    }
    QFile times(settings.times);
    if (!settings.times.isEmpty() && !times.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(settings.times));
        return 1;
    }

    // Computer c writes at (c / computers + k) × every seconds of the
    // lesson, k = 0, 1, …: the records of the class spread evenly.
    const double step = settings.every / settings.speed;
    const auto begin = Steady::now();
    const double lesson = settings.minutes * 60 / settings.speed;
    long records = 0;
    long tokens = 0;
    for (long slot = 0;; ++slot) {
        const int c = static_cast<int>(slot % settings.computers);
        const double at = (double(slot) / settings.computers) * step;
        if (at >= lesson)
            break;
        std::this_thread::sleep_until(begin + std::chrono::duration_cast<Steady::duration>(
                                                  std::chrono::duration<double>(at)));
        tokens += computers[c]->next();
        ++records;
        if (times.isOpen()) {
            const auto written = std::chrono::duration_cast<std::chrono::microseconds>(
                                     std::chrono::system_clock::now().time_since_epoch())
                                     .count();
            times.write(QStringLiteral("%1 %2 %3\n")
                            .arg(c)
                            .arg(QFileInfo(paths[c]).size())
                            .arg(written)
                            .toUtf8());
        }
    }
    int runs = 0;
    for (const auto &computer : computers)
        runs += computer->runs();
    std::printf("records %ld tokens %ld runs %d\n", records, tokens, runs);
    return times.isOpen() && !times.flush() ? 1 : 0;
}
