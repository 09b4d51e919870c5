#pragma once

// И3. The letters of the address fragments in the order that spells the
// address of a file: protocol, "://", server, "/", file.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

struct AddressDataSet {
    QString file;     // `зад2`
    QString server;   // `зад3`
    QString protocol; // `зад4`
    // The fragments Б, В, Д, Е, Ж (`зад5` … `зад9`); А is "/" and Г "://".
    std::array<QString, 5> fragments;
    QString answer;
};

class FileAddressModel {
public:
    static const std::array<AddressDataSet, 6> &dataSets();
    // The seven fragments А … Ж of a data set, in the order of their letters.
    static std::array<QString, 7> allFragments(const AddressDataSet &set);
    static const QString &letters(); // "АБВГДЕЖ"

    void draw(RandomSource &random) { dataSet_ = bag_.draw(random); }
    int dataSet() const { return dataSet_; }
    const AddressDataSet &current() const { return dataSets()[static_cast<size_t>(dataSet_ - 1)]; }
    // Exact, case-sensitive comparison with the letters of the data set.
    bool isCorrect(const QString &answer) const { return answer == current().answer; }

private:
    VariantBag bag_{6};
    int dataSet_ = 1;
};

class FileAddress final : public Exercise {
public:
    FileAddress();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return model_.current().answer; }
    KeyVerdict filterKey(ushort code, qint16 lastKeyDown) const override;

    const FileAddressModel &model() const { return model_; }

private:
    FileAddressModel model_;
    QLabel *file_ = nullptr;              // `зад2`
    QLabel *server_ = nullptr;            // `зад3`
    QLabel *protocol_ = nullptr;          // `зад4`
    std::array<QLabel *, 5> fragments_{}; // `зад5` … `зад9`
};

} // namespace zorbiks
