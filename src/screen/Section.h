#pragma once

#include <QString>

namespace zorbiks {

// The four sections of questions, in the order of the main menu's tabs.
enum class Section { Encoding, Logic, Programming, InfoTech };

struct SectionNames {
    QString title; // "Кодирование информации": tab caption, `Вопросы` caption
    QString list;       // the main menu's question list: "код"
    QString tabPicture; // the tab's normal picture: "кодир"
};

const SectionNames &sectionNames(Section section);

// The exercise code's section: К…, Л…, П…, И….
Section sectionOfCode(const QString &code);

// The name of a question's button on the main menu: "К1" → "К_1".
QString questionButtonName(const QString &code);

} // namespace zorbiks
