#include "screen/Section.h"

#include <array>

namespace zorbiks {

const SectionNames &sectionNames(Section section)
{
    static const std::array<SectionNames, 4> names = {{
        {QStringLiteral("Кодирование информации"), QStringLiteral("код"), QStringLiteral("кодир")},
        {QStringLiteral("Логические основы компьютера"), QStringLiteral("лог"),
         QStringLiteral("логика")},
        {QStringLiteral("Программирование"), QStringLiteral("про"), QStringLiteral("прогр")},
        {QStringLiteral("Информационные технологии"), QStringLiteral("инф"),
         QStringLiteral("инфор")},
    }};
    return names[static_cast<size_t>(section)];
}

Section sectionOfCode(const QString &code)
{
    switch ((code.isEmpty() ? QChar() : code.at(0)).unicode()) {
    case u'Л': return Section::Logic;
    case u'П': return Section::Programming;
    case u'И': return Section::InfoTech;
    default: return Section::Encoding;
    }
}

QString questionButtonName(const QString &code)
{
    return code.left(1) + QLatin1Char('_') + code.mid(1);
}

} // namespace zorbiks
