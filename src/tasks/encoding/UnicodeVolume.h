#pragma once

// К1. Size of a phrase in bits when Unicode gives every character two bytes.

#include "exercise/Exercise.h"
#include "exercise/NoRepeatDraw.h"

class QLabel;

namespace zorbiks {

class UnicodeVolumeModel {
public:
    static constexpr int fewest = 20;
    static constexpr int most = 86;
    // n uniform over 20..86, never the same twice running.
    void draw(RandomSource &random);
    int characters() const { return characters_; }
    int answer() const { return 16 * characters_; }
    // The leading number of the answer equals 16 × n.
    bool isCorrect(const QString &answer) const;
    // Digits and the control codes 0 to 8 pass.
    static KeyVerdict filter(ushort code);

private:
    NoRepeatDraw draw_{fewest, most};
    int characters_ = 0;
};

class UnicodeVolume final : public Exercise {
public:
    UnicodeVolume();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return QString::number(model_.answer()); }
    KeyVerdict filterKey(ushort code, qint16) const override { return model_.filter(code); }

    const UnicodeVolumeModel &model() const { return model_; }

private:
    UnicodeVolumeModel model_;
    QLabel *characters_ = nullptr; // `Label4`
};

} // namespace zorbiks
