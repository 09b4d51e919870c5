#include "report/CommandLine.h"

#include "report/FollowCommand.h"
#include "report/LogFollower.h"
#include "report/ReportWriter.h"

#include <QFile>
#include <QIODevice>

namespace zorbiks::report {

QString usage()
{
    return QStringLiteral(
        "Журнал Зорбикса: отчёт по файлам результатов.\n"
        "\n"
        "zorbiks-report                     открыть окно журнала с файлом результатов\n"
        "                                   этого компьютера\n"
        "zorbiks-report --window ФАЙЛ...    открыть окно журнала с этими файлами\n"
        "zorbiks-report --follow ЖУРНАЛ...  следить за уроком: таблица «Сейчас» печатается\n"
        "                                   заново, когда меняется (выход — Ctrl+C)\n"
        "zorbiks-report [--csv | --html ФАЙЛ] [--from ДАТА] [--to ДАТА]\n"
        "               [--pupil ФАМИЛИЯ] [--question ВОПРОС] ЖУРНАЛ...\n"
        "\n"
        "ЖУРНАЛ — файл результатов или папка (читаются все файлы .txt в ней и во\n"
        "вложенных папках). Без --csv и --html таблицы печатаются на терминале.\n"
        "  --csv           таблицы в формате CSV (UTF-8, разделитель «;») на вывод\n"
        "  --html ФАЙЛ     одна страница HTML с таблицами и диаграммой\n"
        "  --from ДАТА     работы с этой даты (ДД.ММ.ГГГГ или ГГГГ-ММ-ДД)\n"
        "  --to ДАТА       работы по эту дату включительно\n"
        "  --pupil ТЕКСТ   работы учеников, в фамилии которых есть этот текст\n"
        "  --question КОД  только отметки одного вопроса (К1 … И8)\n"
        "Код выхода 1 — ни один файл не удалось прочитать, 2 — ошибка в аргументах.\n");
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
        const bool both =
            (argument == QStringLiteral("--csv") && options.output == Options::Output::Html) ||
            (argument == QStringLiteral("--html") && options.output == Options::Output::Csv);
        if (both)
            return fail(QStringLiteral("--csv и --html вместе не указываются"));
        if (argument == QStringLiteral("--csv")) {
            options.output = Options::Output::Csv;
        } else if (argument == QStringLiteral("--follow")) {
            options.output = Options::Output::Follow;
        } else if (argument == QStringLiteral("--window")) {
            options.output = Options::Output::Window;
        } else if (argument == QStringLiteral("--html")) {
            const auto file = value();
            if (!file)
                return fail(QStringLiteral("после --html нужно имя файла"));
            options.output = Options::Output::Html;
            options.htmlFile = *file;
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
    case Options::Output::Html: {
        QFile file(options.htmlFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(html(tables, describe(options.filter)).toUtf8()) < 0 || !file.flush()) {
            err.write((QStringLiteral("не удалось записать %1: %2\n")
                           .arg(options.htmlFile, file.errorString()))
                          .toUtf8());
            return 1;
        }
        break;
    }
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
