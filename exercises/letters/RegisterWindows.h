#pragma once

namespace exercises::letters {

// Makes the letter exercises' windows known to the level dispatcher by their
// form names: the six order tests.
void registerWindows();

} // namespace exercises::letters
