#pragma once

namespace levels {
class ExerciseForm;
}

// How the order tests and the vowel listening test let the learner leave:
// while mblnDoNotDisplayMsgBox is false only after a Yes to string 112 (No
// is the default); while it is true without a question, as long as mblnExit
// is true.
namespace exercises::letters {

// For the window's own way out ("&Exit", "&Main Menu"): whether it may hide now.
bool mayLeave(levels::ExerciseForm &window);

// For Form_QueryUnload: hides the window when it may go, and refuses the
// close when the learner answers No. With mblnExit false the window stays
// up, but a close that the program began goes on.
void queryUnload(levels::ExerciseForm &window, bool &Cancel);

} // namespace exercises::letters
