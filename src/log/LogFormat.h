#pragma once

// The format of the results log, in one place for the program that writes
// it and the journal that reads it back.
//
// A run is written as: CR LF CR LF, "dd.MM.yyyy hh:mm:ss", the surname
// straight after the seconds, then one token per logged attempt
// (" К1 - да, ", " К1 - нет, ", " К1 - пропуск, "; some questions end the
// token with the comma, without the trailing blank). When the pupil leaves
// through the results screen, CR LF, the total line and CR LF follow:
// " Общий итог: всего ответов  12  правильных ответов 9 , правильные ответы: "
// the correct list ", неправильные ответы: " the wrong list. The lists are
// those of the pupil record (PupilRecord's flush functions).

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace zorbiks::LogFormat {

// What an attempt token says.
enum class Mark { Yes, No, Skip };

inline constexpr int questionCount = 28;

// The question codes in the order of the main menu: К1 … К11, Л1 … Л5,
// П1 … П4, И1 … И8.
const QList<QString> &questionCodes();
// The index of a code in questionCodes(), or -1.
int questionIndex(QStringView code);

QString lineEnd();
// The date and time of a run header; always this pattern, whatever the
// locale of the system.
QString stampFormat();
inline constexpr int stampLength = 19;

// CR LF CR LF, the stamp and the surname.
QString headerRecord(const QDateTime &stamp, const QString &surname);
// " C - да, " and the others; `trailingBlank` false ends the token with the
// comma.
QString token(const QString &code, Mark mark, bool trailingBlank = true);
// A number as it is written into text: the sign's place (a blank or "-"),
// the digits and a trailing blank.
QString numberText(int value);
// The total line without line ends.
QString totalLine(int tasksShown, int correctTotal, const QString &correctList,
                  const QString &wrongList);
// CR LF, the total line, CR LF.
QString totalRecord(int tasksShown, int correctTotal, const QString &correctList,
                    const QString &wrongList);

// ---- reading -------------------------------------------------------------

// The date and time at the start of a header line ("08.12.2024 10:39:05").
enum class StampState { NotAStamp, Impossible, Valid };
StampState parseStamp(QStringView line, QDate *date, QTime *time);

struct Token {
    int question = -1;
    Mark mark = Mark::Yes;
    qsizetype length = 0; // from the code letter to the comma, or the blank after it
};
// A token whose code letter stands at `at` (the blank before it is not part
// of the match); nullopt when there is none.
std::optional<Token> tokenAt(QStringView text, qsizetype at);
// Could `text` (the rest of a line) be the start of a token cut short?
bool isTokenStart(QStringView text);

// Whether the line is a total line (it begins with "Общий итог", leading
// blanks aside).
bool isTotalLine(QStringView line);

struct ListEntry {
    int question = -1;
    int count = 1;       // correct list: the visit's successes; wrong list: wrong attempts
    bool gaveUp = false; // wrong list: "C/n/0" or "C/0"
};

struct Total {
    int tasksShown = 0;
    int correctTotal = 0;
    QList<ListEntry> correct;
    QList<ListEntry> wrong;
};
// nullopt when the line is damaged (a figure or a list heading is missing,
// or a list holds something that is not an entry).
std::optional<Total> parseTotal(QStringView line);

// " К1 3Л2" → К1 × 1, Л2 × 3. nullopt on anything that is not an entry.
std::optional<QList<ListEntry>> parseCorrectList(QStringView list);
// "К2/3 ", " К1/2 ", "К1/0 ", "К1/2/0 " and the ", И2/2" of a shortcut to
// the results. nullopt on anything that is not an entry.
std::optional<QList<ListEntry>> parseWrongList(QStringView list);

} // namespace zorbiks::LogFormat
