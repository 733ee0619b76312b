#pragma once

// Enter as the learner presses it: to the widget with the keyboard focus, or
// to the active window when no widget has it. Fails the test when neither
// is there, since the key would then go nowhere.
void pressEnter();
