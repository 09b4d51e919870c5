#include "tasks/infotech/FileAddress.h"

#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"
#include "exercise/TranslitFilters.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits fileAddressTraits()
{
    return {.frame = {.headingName = QStringLiteral("Label20"),
                      .taskSize = {10400, 2600},
                      .explanationCaptions = {QStringLiteral(" Пояснение1"),
                                              QStringLiteral(" Пояснение2")},
                      .explanationSizes = {{10400, 1000}, {10400, 800}}},
            .log = {.correctBlank = false, .wrongBlank = false, .correctAfterWrong = true},
            .typed = {.focusKeySinkAfterCorrect = false}};
}

QString gap(int blanks)
{
    return QString(blanks, QLatin1Char(' '));
}

// Blanks after the letter of a variable fragment.
const int fragmentGap = 16;

// The example names of the first explanation and the addresses of the
// second; none of them is ever contacted.
const QString exampleServers[] = {QStringLiteral("www.school.ru"), QStringLiteral("lib.info.edu")};
const QString exampleFiles[] = {QStringLiteral("/index.html"), QStringLiteral("/rules.doc")};

} // namespace

const std::array<AddressDataSet, 6> &FileAddressModel::dataSets()
{
    // Servers and files of three small letters: data sets 1, 3 and 4 lie on
    // uni.edu, data sets 1, 2 and 6 name doc.net. No server label is a file
    // stem, so exactly one order of the fragments spells the address.
    // File, server, protocol, the fragments Б В Д Е Ж, the answer.
    static const std::array<AddressDataSet, 6> sets = {{
        {"doc.net", "uni.edu", "ftp", {"uni", ".edu", ".net", "doc", "ftp"}, "ЖГБВАЕД"},
        {"doc.net", "kit.ru", "ftp", {"doc", ".ru", ".net", "kit", "ftp"}, "ЖГЕВАБД"},
        {"map.html", "uni.edu", "http", {"http", ".edu", ".html", "map", "uni"}, "БГЖВАЕД"},
        {"log.net", "uni.edu", "http", {"log", "http", ".net", "uni", ".edu"}, "ВГЕЖАБД"},
        {"art.html", "zoo.ru", "ftp", {".html", ".ru", "zoo", "art", "ftp"}, "ЖГДВАЕБ"},
        {"doc.net", "sky.ru", "http", {"http", ".ru", ".net", "doc", "sky"}, "БГЖВАЕД"},
    }};
    return sets;
}

std::array<QString, 7> FileAddressModel::allFragments(const AddressDataSet &set)
{
    const auto &f = set.fragments;
    return {QStringLiteral("/"), f[0], f[1], QStringLiteral("://"), f[2], f[3], f[4]};
}

const QString &FileAddressModel::letters()
{
    static const QString letters = QStringLiteral("АБВГДЕЖ");
    return letters;
}

FileAddress::FileAddress()
    : Exercise(fileAddressTraits())
{}

KeyVerdict FileAddress::filterKey(ushort code, qint16 lastKeyDown) const
{
    return TranslitFilters::cyrillicCapitals(code, lastKeyDown);
}

void FileAddress::buildView(ExerciseView &view)
{
    GapLabel *task = addText(
        view.task, QStringLiteral("Label1"),
        QStringLiteral(" И3. Доступ к файлу") + gap(14) +
            QStringLiteral(", находящемуся на сервере") + gap(14) +
            QStringLiteral(", осуществляется по протоколу") + gap(8) +
            QStringLiteral(". В таблице фрагменты адреса файла закодированы буквами "
                           "от А до Ж. Запишите последовательность этих букв, "
                           "кодирующую адрес указанного файла в сети Интернет.") +
            QStringLiteral("\nА) /\nБ)") + gap(fragmentGap) + QStringLiteral("\nВ)") +
            gap(fragmentGap) + QStringLiteral("\nГ) ://\nД)") + gap(fragmentGap) +
            QStringLiteral("\nЕ)") + gap(fragmentGap) + QStringLiteral("\nЖ)") + gap(fragmentGap));
    const QColor red = Colours::red;
    file_ = addValue(task, QStringLiteral("зад2"), QStringLiteral("файлу"), 0, red);
    server_ = addValue(task, QStringLiteral("зад3"), QStringLiteral("сервере"), 0, red);
    protocol_ = addValue(task, QStringLiteral("зад4"), QStringLiteral("протоколу"), 0, red);
    const auto &sets = FileAddressModel::dataSets();
    task->setValues(file_, textsOf(sets, &AddressDataSet::file));
    task->setValues(server_, textsOf(sets, &AddressDataSet::server));
    task->setValues(protocol_, textsOf(sets, &AddressDataSet::protocol));
    // Any fragment may stand after any of the letters.
    QStringList fragments;
    for (const AddressDataSet &set : sets)
        fragments += QStringList(set.fragments.begin(), set.fragments.end());
    const QString fragmentLetters = QStringLiteral("БВДЕЖ");
    for (size_t i = 0; i < fragments_.size(); ++i) {
        fragments_[i] =
            addValue(task, QStringLiteral("зад%1").arg(i + 5),
                     fragmentLetters.mid(qsizetype(i), 1) + QLatin1Char(')'), 0, Colours::taskBlue);
        task->setValues(fragments_[i], fragments);
    }

    GapLabel *parts = addText(
        view.explanations[0], QStringLiteral("Label5"),
        QStringLiteral("  Адрес файла в сети Интернет (URL-адрес) состоит из следующих трёх "
                       "частей:\n1) протокол доступа -") +
            gap(12) + QStringLiteral("или") + gap(12) +
            QStringLiteral("\n2) имя сервера, например:") + gap(26) + QStringLiteral("или") +
            gap(26) + QStringLiteral("\n3) имя файла, например:") + gap(22) +
            QStringLiteral("или") + gap(22));
    const struct {
        QString before;
        int occurrence;
        QString text;
    } examples[] = {
        {QStringLiteral("доступа -"), 0, QStringLiteral("http://")},
        {QStringLiteral("или"), 0, QStringLiteral("ftp://")},
        {QStringLiteral("например:"), 0, exampleServers[0]},
        {QStringLiteral("или"), 1, exampleServers[1]},
        {QStringLiteral("например:"), 1, exampleFiles[0]},
        {QStringLiteral("или"), 2, exampleFiles[1]},
    };
    int number = 1;
    for (const auto &example : examples) {
        QLabel *label = addValue(parts, QStringLiteral("пояс%1").arg(number++), example.before,
                                 example.occurrence, red);
        label->setText(example.text);
    }

    addText(view.explanations[1], QStringLiteral("Label6"),
            QStringLiteral("   Примеры URL-адресов  файлов в Интернете:"));
    addText(view.explanations[1], QStringLiteral("Label7"),
            QStringLiteral("http://") + exampleServers[0] + exampleFiles[0], red);
    addText(view.explanations[1], QStringLiteral("Label8"),
            QStringLiteral("ftp://") + exampleServers[1] + exampleFiles[1], red);
}

void FileAddress::drawTask(RandomSource &random)
{
    model_.draw(random);
    const AddressDataSet &set = model_.current();
    file_->setText(set.file);
    server_->setText(set.server);
    protocol_->setText(set.protocol);
    for (size_t i = 0; i < fragments_.size(); ++i)
        fragments_[i]->setText(set.fragments[i]);
}

} // namespace zorbiks
