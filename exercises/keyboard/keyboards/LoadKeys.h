#pragma once

#include "shell/KeyboardChar.h"

#include <vector>

namespace keyboards {

class KeyImages;

// Key i gets the picture of key-set row first + i, for the count rows of the
// set, in the set's order. A picture that cannot be loaded, or more rows than
// keys, stops the loading at that key with its report in modErrors::gErrMsg;
// the keys before keep their pictures.
void loadKeys(KeyImages &keys, const std::vector<KeyboardChar> &keySet, int first, int count);

} // namespace keyboards
