#pragma once

// One question of the program as the catalogue declares it: its code, its
// button on the main menu, how its exercise is made and how its screen is
// laid out. The code names the screen and its section, and stands in its
// log tokens and list entries.

#include "exercise/Exercise.h"
#include "screen/ScreenLayout.h"
#include "screen/Section.h"

#include <QString>

#include <memory>

namespace zorbiks {

using ExerciseFactory = std::unique_ptr<Exercise> (*)();

template <typename T> std::unique_ptr<Exercise> makeExercise()
{
    return std::make_unique<T>();
}

struct Question {
    QString code = {};    // "К1"
    QString caption = {}; // "К1. Кодировка  в Unicode"
    ExerciseFactory make = nullptr;
    ScreenLayout::ExerciseRow row = {};

    // The section of the code's letter: К, Л, П, И.
    Section section() const { return sectionOfCode(code); }
};

} // namespace zorbiks
