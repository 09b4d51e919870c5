#pragma once

// The journal as an OpenDocument spreadsheet in one XML file (flat ODS,
// .fods), which LibreOffice and the office programs of Russian schools
// open: one sheet per table, every cell typed — counts as numbers, shares
// as percentages, the start of a run as a date and a time — so that the
// numbers stay numbers whatever the reader's locale.

#include "report/Summary.h"

#include <QByteArray>

namespace zorbiks::report {

// The three tables as sheets "Работы", "Ученики", "Вопросы"; the filter's
// description is the document's description.
QByteArray ods(const Tables &tables, const QString &filterDescription);

} // namespace zorbiks::report
