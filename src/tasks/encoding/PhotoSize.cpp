#include "tasks/encoding/PhotoSize.h"

#include "drawing/GapLabel.h"
#include "drawing/Options.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"
#include "screen/Fonts.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits photoSizeTraits()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.taskSize = {10400, 800},
                      .explanationCaptions = {QStringLiteral(" Пояснение 1"),
                                              QStringLiteral(" Пояснение 2")},
                      .explanationSizes = {{10400, 700}, {10400, 700}}},
            .choice = {.size = {9000, 700}, .hoverRestsOthers = true},
            .leaving = {.menuEnablesPictures = true, .menuShowsPicture = QStringLiteral("логика")}};
}

} // namespace

const std::array<PhotoVariant, 6> &PhotoSizeModel::variants()
{
    // Stored as they are shown: variant 2 writes "мегабайта" in placement
    // 1 only, variant 3 has other wrong answers in placement 1.
    static const std::array<PhotoVariant, 6> table = {{
        {"2048х1536",
         {{{"9 мегабайт", "3 мегабайта", "9 килобайт", "3 килобайта"},
           {"3 мегабайта", "9 мегабайт", "9 килобайт", "3 килобайта"},
           {"9 килобайт", "3 мегабайта", "9 мегабайт", "3 килобайта"},
           {"3 килобайта", "3 мегабайта", "9 килобайт", "9 мегабайт"}}}},
        {"1024х768",
         {{{"2,25 мегабайта", "2,25 килобайт", "9 килобайт", "9 мегабайт"},
           {"2,25 килобайт", "2,25 мегабайт", "9 килобайт", "9 мегабайт"},
           {"2,25 килобайт", "9 килобайт", "2,25 мегабайт", "9 мегабайт"},
           {"2,25 килобайт", "9 килобайт", "9 мегабайт", "2,25 мегабайт"}}}},
        {"1280х1024",
         {{{"3840 килобайт", "3840 мегабайт", "9 килобайт", "9 мегабайт"},
           {"3840 мегабайт", "3840 килобайт", "18 килобайт", "18 мегабайта"},
           {"3840 мегабайт", "18 килобайт", "3840 килобайт", "18 мегабайта"},
           {"3840 мегабайт", "18 килобайт", "18 мегабайта", "3840 килобайт"}}}},
        {"2560х2048",
         {{{"15 мегабайт", "15 килобайт", "6 килобайт", "6 мегабайт"},
           {"15 килобайт", "15 мегабайт", "6 килобайт", "6 мегабайт"},
           {"15 килобайт", "6 килобайт", "15 мегабайт", "6 мегабайт"},
           {"15 килобайт", "6 килобайт", "6 мегабайт", "15 мегабайт"}}}},
        {"1152х864",
         {{{"2916 килобайт", "2916 мегабайт", "36 килобайт", "36 мегабайт"},
           {"2916 мегабайт", "2916 килобайт", "36 килобайт", "36 мегабайт"},
           {"2916 мегабайт", "36 килобайт", "2916 килобайт", "36 мегабайт"},
           {"2916 мегабайт", "36 килобайт", "36 мегабайт", "2916 килобайт"}}}},
        {"1088х768",
         {{{"2448 килобайт", "1224 мегабайт", "36 килобайт", "36 мегабайт"},
           {"1224 мегабайт", "2448 килобайт", "36 килобайт", "36 мегабайт"},
           {"1224 мегабайт", "36 килобайт", "2448 килобайт", "36 мегабайт"},
           {"1224 мегабайт", "36 килобайт", "36 мегабайт", "2448 килобайт"}}}},
    }};
    return table;
}

void PhotoSizeModel::draw(RandomSource &random)
{
    variant_ = bag_.draw(random);
    placement_ = placementDraw_.draw(random);
}

PhotoSize::PhotoSize()
    : Exercise(photoSizeTraits())
{}

void PhotoSize::buildView(ExerciseView &view)
{
    GapLabel *task =
        addText(view.task, QStringLiteral("зад1"),
                QStringLiteral("   К3. В цветовой модели RGB для кодирования одного пикселя "
                               "используется            3 байта. Фотографию размером        "
                               "           пикселей сохранили в виде несжатого файла с "
                               "использованием RGB-кодирования. Определите размер "
                               "получившегося файла."));
    size_ = addValue(task, QStringLiteral("зад2"), QStringLiteral("размером"));
    task->setValues(size_, textsOf(PhotoSizeModel::variants(), &PhotoVariant::size));

    OptionStyle style;
    style.size = {2000, 420};
    style.pointSize = 11.25;
    view.setOptions(addOptions(view.answers, view.metrics, QStringLiteral("Отв"),
                               {QString(), QString(), QString(), QString()}, style));
    for (size_t i = 0; i < options_.size(); ++i)
        options_[i] = static_cast<QLabel *>(view.options[static_cast<qsizetype>(i)].control);

    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("    Для определения объёма файла в байтах нужно умножить общее  "
                           "количество пикселей на 3. В килобайте 1024 байта, в мегабайте 1024 "
                           "килобайт"));
    addText(view.explanations[1], QStringLiteral("Label1"),
            QStringLiteral("  Пример: размер фотографии 1280х768 пикселей. Размер файла в "
                           "байтах: 1280 * 768 * 3 = 2949120 байт, в килобайтах это будет    "
                           "2949120 : 1024 = 2880"));
}

void PhotoSize::drawTask(RandomSource &random)
{
    model_.draw(random);
    size_->setText(model_.current().size);
    for (size_t i = 0; i < options_.size(); ++i)
        options_[i]->setText(model_.options()[i]);
}

} // namespace zorbiks
