#pragma once

namespace exercises::letters {

// Makes the letter exercises' windows known to the level dispatcher by their
// form names: the six order tests, the two listening tests and the syllable
// chart.
void registerWindows();

} // namespace exercises::letters
