#pragma once

#include <QString>

namespace levels {
class ExerciseForm;
}

// How the numbers and maths windows let the learner leave a test: with a
// question (string 113) until the test is marked, at once afterwards.
namespace words {

// "Test for Number 3 of 10".
QString progressLine(int question, int questions);

// Whether "Main Menu" may unload the window now; asks while
// mblnDoNotDisplayMsgBox is false, and a Yes sets it.
bool mayLeave(levels::ExerciseForm &window);

// Whether the close box is to be refused: asks as mayLeave does, No refuses.
bool refuseClosing(levels::ExerciseForm &window);

} // namespace words
