#pragma once

// Л4. How many records of a database fragment satisfy a condition that joins
// a test of the sex by OR with a comparison of two subject scores.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

// The four subjects, in the order of the table's columns.
enum Subject { Mathematics, Chemistry, Informatics, Biology };

struct PupilEntry {
    QString surname;
    QString sex; // "м" or "ж"
    std::array<int, 4> scores;
};

using RecordTable = std::array<PupilEntry, 6>;

struct QueryVariant {
    RecordTable table;
    QString sex; // the sex the condition takes whole
    Subject greater;
    Subject smaller;
    int answer;
};

class RecordQueryModel {
public:
    static const std::array<QString, 4> &subjectNames();
    static const std::array<QueryVariant, 6> &variants();

    // The condition as shown in `зад2`, ending with a question mark.
    static QString condition(const QueryVariant &variant);
    // The comparison alone ("Химия>Биология").
    static QString comparison(const QueryVariant &variant);
    // "мужского" or "женского".
    static QString sexWord(const QString &sex);
    static QString otherSex(const QString &sex);

    void draw(RandomSource &random) { variant_ = bag_.draw(random); }
    int variant() const { return variant_; }
    const QueryVariant &current() const { return variants()[static_cast<size_t>(variant_ - 1)]; }
    // The leading number of the answer equals the count of the variant.
    bool isCorrect(const QString &answer) const;
    static KeyVerdict filter(ushort code);

private:
    VariantBag bag_{6};
    int variant_ = 1;
};

class RecordQuery final : public Exercise {
public:
    RecordQuery();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return QString::number(model_.current().answer); }
    KeyVerdict filterKey(ushort code, qint16) const override { return model_.filter(code); }

    const RecordQueryModel &model() const { return model_; }

private:
    RecordQueryModel model_;
    std::array<QLabel *, 6> sexCells_{};
    std::array<std::array<QLabel *, 4>, 6> scoreCells_{};
    QLabel *condition_ = nullptr;         // `зад2`
    std::array<QLabel *, 3> explained_{}; // `пояс1` … `пояс3`
};

} // namespace zorbiks
