#include "report/CommandLine.h"

#include "report/FollowCommand.h"
#include "report/LogFollower.h"
#include "report/OdsWriter.h"
#include "report/ReportWriter.h"

#include <QFile>
#include <QIODevice>

namespace zorbiks::report {

namespace {

// The output an export option asks for: --csv, --html or --ods.
std::optional<Options::Output> exportOf(const QString &argument)
{
    if (argument == QStringLiteral("--csv"))
        return Options::Output::Csv;
    if (argument == QStringLiteral("--html"))
        return Options::Output::Html;
    if (argument == QStringLiteral("--ods"))
        return Options::Output::Ods;
    return std::nullopt;
}

bool isExport(Options::Output output)
{
    return output == Options::Output::Csv || output == Options::Output::Html ||
           output == Options::Output::Ods;
}

bool writeFile(const QString &path, const QByteArray &bytes, QIODevice &err)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size() && file.flush())
        return true;
    err.write(
        QStringLiteral("не удалось записать %1: %2\n").arg(path, file.errorString()).toUtf8());
    return false;
}

} // namespace

QString usage(bool english)
{
    if (english)
        return QStringLiteral(
            "Usage: zorbiks-report [--window] [LOG...]\n"
            "  or:  zorbiks-report --follow LOG...\n"
            "  or:  zorbiks-report [--csv | --html FILE | --ods FILE] [FILTER...] LOG...\n"
            "The journal of Zorbiks (Журнал Зорбикса): what every pupil did, per run, per\n"
            "pupil and per question, read from the results logs that zorbiks writes. The\n"
            "logs are only read, never changed. Without arguments the window opens on the\n"
            "results log of this computer.\n"
            "\n"
            "A LOG is a results log or a folder (every .txt file in it and in its\n"
            "subfolders is read). Without --csv, --html and --ods the tables are printed on\n"
            "the terminal.\n"
            "\n"
            "Options:\n"
            "  --window        open the journal's window with these logs\n"
            "  --follow        follow a lesson: print the \"now\" table (Сейчас) again\n"
            "                  whenever it changes, until Ctrl+C\n"
            "  --csv           the tables as CSV (UTF-8, \";\" between fields) on the output\n"
            "  --html FILE     one HTML page with the tables and the chart\n"
            "  --ods FILE      an OpenDocument spreadsheet (flat, .fods), a sheet per table\n"
            "  --from DATE     runs from this date on (DD.MM.YYYY or YYYY-MM-DD)\n"
            "  --to DATE       runs up to this date, inclusive\n"
            "  --pupil TEXT    runs of the pupils whose surname holds this text\n"
            "  --question CODE only the attempts at one question (К1 ... И8)\n"
            "  -h, --help      print this help and exit\n"
            "  --version       print the version and exit\n"
            "\n"
            "Examples:\n"
            "  zorbiks-report --csv class/ > journal.csv\n"
            "  zorbiks-report --ods journal.fods --from 01.09.2024 --to 31.05.2025 class/\n"
            "  zorbiks-report --pupil Petrov --question К1 Zorbiks.txt\n"
            "\n"
            "The problems met in the logs go to the error output. Exit status: 0, or 1\n"
            "when no log could be read or the file could not be written, 2 when the\n"
            "arguments are wrong.\n");
    return QStringLiteral(
        "Использование: zorbiks-report [--window] [ЖУРНАЛ...]\n"
        "  или: zorbiks-report --follow ЖУРНАЛ...\n"
        "  или: zorbiks-report [--csv | --html ФАЙЛ | --ods ФАЙЛ] [ФИЛЬТР...] ЖУРНАЛ...\n"
        "Журнал Зорбикса: что делал каждый ученик — по работам, по ученикам и по\n"
        "вопросам — по файлам результатов, которые пишет zorbiks. Файлы журнал только\n"
        "читает и не изменяет. Без аргументов открывается окно журнала с файлом\n"
        "результатов этого компьютера.\n"
        "\n"
        "ЖУРНАЛ — файл результатов или папка (читаются все файлы .txt в ней и во\n"
        "вложенных папках). Без --csv, --html и --ods таблицы печатаются на терминале.\n"
        "\n"
        "Параметры:\n"
        "  --window        открыть окно журнала с этими файлами\n"
        "  --follow        следить за уроком: таблица «Сейчас» печатается заново,\n"
        "                  когда меняется (выход — Ctrl+C)\n"
        "  --csv           таблицы в формате CSV (UTF-8, разделитель «;») на вывод\n"
        "  --html ФАЙЛ     одна страница HTML с таблицами и диаграммой\n"
        "  --ods ФАЙЛ      таблица OpenDocument (одним файлом, .fods), по листу на таблицу\n"
        "  --from ДАТА     работы с этой даты (ДД.ММ.ГГГГ или ГГГГ-ММ-ДД)\n"
        "  --to ДАТА       работы по эту дату включительно\n"
        "  --pupil ТЕКСТ   работы учеников, в фамилии которых есть этот текст\n"
        "  --question КОД  только отметки одного вопроса (К1 … И8)\n"
        "  -h, --help      показать эту справку и выйти\n"
        "  --version       показать версию и выйти\n"
        "\n"
        "Примеры:\n"
        "  zorbiks-report --csv класс/ > журнал.csv\n"
        "  zorbiks-report --ods журнал.fods --from 01.09.2024 --to 31.05.2025 класс/\n"
        "  zorbiks-report --pupil Петров --question К1 Zorbiks.txt\n"
        "\n"
        "Замечания к файлам печатаются в поток ошибок. Код выхода 1 — ни один файл не\n"
        "удалось прочитать или не удалось записать файл, 2 — ошибка в аргументах.\n");
}

QDate parseDate(const QString &text)
{
    for (const QString &format :
         {QStringLiteral("dd.MM.yyyy"), QStringLiteral("yyyy-MM-dd"), QStringLiteral("d.M.yyyy")}) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid())
            return date;
    }
    return {};
}

std::optional<Options> parseArguments(const QStringList &arguments, QString *error)
{
    Options options;
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        if (const auto output = exportOf(argument)) {
            if (isExport(options.output) && options.output != *output)
                return fail(QStringLiteral("--csv, --html и --ods вместе не указываются"));
            if (*output != Options::Output::Csv) {
                const auto file = value();
                if (!file)
                    return fail(QStringLiteral("после %1 нужно имя файла").arg(argument));
                options.file = *file;
            }
            options.output = *output;
        } else if (argument == QStringLiteral("--follow")) {
            options.output = Options::Output::Follow;
        } else if (argument == QStringLiteral("--window")) {
            options.output = Options::Output::Window;
        } else if (argument == QStringLiteral("--from") || argument == QStringLiteral("--to")) {
            const auto text = value();
            const QDate date = text ? parseDate(*text) : QDate();
            if (!date.isValid())
                return fail(QStringLiteral("после %1 нужна дата ДД.ММ.ГГГГ").arg(argument));
            (argument == QStringLiteral("--from") ? options.filter.from : options.filter.to) = date;
        } else if (argument == QStringLiteral("--pupil")) {
            const auto name = value();
            if (!name)
                return fail(QStringLiteral("после --pupil нужна фамилия"));
            options.filter.pupil = *name;
        } else if (argument == QStringLiteral("--question")) {
            const auto code = value();
            const int question = code ? LogFormat::questionIndex(code->toUpper()) : -1;
            if (question < 0)
                return fail(QStringLiteral("после --question нужен код вопроса, например К1"));
            options.filter.question = question;
        } else if (argument.startsWith(QStringLiteral("--"))) {
            return fail(QStringLiteral("неизвестный аргумент %1").arg(argument));
        } else {
            options.logs << argument;
        }
    }
    if (options.logs.isEmpty() && options.output != Options::Output::Window)
        return fail(QStringLiteral("не указан ни один файл результатов"));
    return options;
}

int runCommandLine(const Options &options, QIODevice &out, QIODevice &err)
{
    if (options.output == Options::Output::Follow)
        return followInTerminal(options.logs, out, err, systemClock());
    Journal journal;
    for (const QString &log : options.logs)
        journal.read(log);
    journal.sortRuns();
    for (const Problem &problem : journal.problems()) {
        const QString where = problem.line > 0
                                  ? problem.file + QLatin1Char(':') + QString::number(problem.line)
                                  : problem.file;
        err.write((where + QStringLiteral(": ") + problem.what + QLatin1Char('\n')).toUtf8());
    }
    const Summary summary = summarise(journal, options.filter);
    const Tables tables(journal, summary);
    switch (options.output) {
    case Options::Output::Csv: out.write(csv(tables)); break;
    case Options::Output::Html:
        if (!writeFile(options.file, html(tables, describe(options.filter)).toUtf8(), err))
            return 1;
        break;
    case Options::Output::Ods:
        if (!writeFile(options.file, ods(tables, describe(options.filter)), err))
            return 1;
        break;
    case Options::Output::Terminal:
    case Options::Output::Window:
    case Options::Output::Follow:
        out.write(
            (describe(options.filter) + QStringLiteral("\n\n") + terminalText(tables)).toUtf8());
        break;
    }
    return journal.filesRead() > 0 ? 0 : 1;
}

} // namespace zorbiks::report
