#include "HelpAndVersion.h"

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zorbiks {

namespace {

QByteArray environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? QByteArray(value) : QByteArray();
}

bool isPlainLocale(const QByteArray &locale)
{
    return locale.isEmpty() || locale == "C" || locale == "POSIX" || locale.startsWith("C.");
}

} // namespace

bool englishMessages()
{
    QByteArray locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    if (isPlainLocale(locale))
        return true;
    const QByteArray language = environment("LANGUAGE").split(':').constFirst();
    return (language.isEmpty() ? locale : language).startsWith("en");
}

QString versionText(const QString &program, bool english)
{
    const QString head = program + QStringLiteral(" " ZORBIKS_VERSION "\n"
                                                  "Copyright (C) 2026 Зорбикс developers\n");
    if (english)
        return head +
               QStringLiteral("License GPLv3+: GNU GPL version 3 or later "
                              "<https://gnu.org/licenses/gpl.html>.\n"
                              "This is free software: you are free to change and redistribute it.\n"
                              "There is NO WARRANTY, to the extent permitted by law.\n");
    return head + QStringLiteral("Лицензия GPLv3+: GNU GPL версии 3 или новее "
                                 "<https://gnu.org/licenses/gpl.html>.\n"
                                 "Это свободное ПО: вы можете изменять и распространять его.\n"
                                 "Нет НИКАКИХ ГАРАНТИЙ в пределах, допускаемых законом.\n");
}

std::optional<int> answerHelpOrVersion(int argc, char *argv[], const QString &program,
                                       QString (*help)(bool english))
{
    for (int i = 1; i < argc; ++i) {
        const bool wantsHelp =
            std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
        if (!wantsHelp && std::strcmp(argv[i], "--version") != 0)
            continue;
        const bool english = englishMessages();
        const QByteArray text =
            (wantsHelp ? help(english) : versionText(program, english)).toUtf8();
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    return std::nullopt;
}

} // namespace zorbiks
