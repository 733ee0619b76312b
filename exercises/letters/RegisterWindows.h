#pragma once

namespace exercises::letters {

// Makes the letter exercises' windows known to the level dispatcher by their
// form names: the six order tests and the two listening tests.
void registerWindows();

} // namespace exercises::letters
