#pragma once

namespace exercises::keyboard {

// Makes the keyboard exercises' windows known to the level dispatcher by
// their form names: spelling, numbers and maths.
void registerWindows();

} // namespace exercises::keyboard
