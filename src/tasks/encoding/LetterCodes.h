#pragma once

// К11. A binary string written with the codes of five Latin letters (two or
// three digits each): the pupil types the letters it encodes.

#include "exercise/Exercise.h"
#include "exercise/NoRepeatDraw.h"

#include <array>

class QLabel;

namespace zorbiks {

struct LetterCode {
    QString letter;
    QString code;
};

struct CodedString {
    QString bits;   // `зад2`, as stored (some with a leading blank)
    QString answer; // the only accepted letters
};

class LetterCodesModel {
public:
    static const std::array<LetterCode, 5> &codes();
    static const std::array<CodedString, 4> &strings();

    // One of the four strings, never the same twice running.
    void draw(RandomSource &random) { string_ = draw_.draw(random); }
    int string() const { return string_; }
    const CodedString &current() const { return strings()[static_cast<size_t>(string_ - 1)]; }
    bool isCorrect(const QString &answer) const { return answer == current().answer; }
    // The Russian letters of the keys A to E become those Latin capitals
    // (and switch the layout to US English); anything but A to E and
    // backspace draws a warning but is typed all the same.
    static KeyVerdict filter(ushort code);

private:
    NoRepeatDraw draw_{1, 4};
    int string_ = 1;
};

class LetterCodes final : public Exercise {
public:
    LetterCodes();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return model_.current().answer; }
    KeyVerdict filterKey(ushort code, qint16) const override
    {
        return LetterCodesModel::filter(code);
    }

    const LetterCodesModel &model() const { return model_; }

private:
    LetterCodesModel model_;
    QLabel *bits_ = nullptr; // `зад2`
};

} // namespace zorbiks
