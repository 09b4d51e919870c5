#pragma once

// The catalogue of the program's questions: one line per question with its
// code, the caption of its button on the main menu, its exercise and its
// screen's layout row. Adding a question takes its own files and one line
// here. The start-up hands the catalogue to the stage, which gives the main
// menu its buttons and each exercise screen its line.

#include "exercise/Question.h"

#include <QList>
#include <QStringList>

namespace zorbiks::Catalogue {

// The questions in the order of the main menu: К, Л, П, И, by number.
const QList<Question> &questions();
// The line of a code, or nullptr.
const Question *find(const QString &code);
// The codes, in the same order.
QStringList codes();

} // namespace zorbiks::Catalogue
