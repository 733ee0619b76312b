#pragma once

namespace exercises::keyboard {

// Makes the keyboard exercises' windows known to the level dispatcher by
// their form names: the spelling exercise.
void registerWindows();

} // namespace exercises::keyboard
