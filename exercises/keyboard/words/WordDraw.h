#pragma once

#include <vector>

namespace words {

// A whole number from 1 to range that the list does not hold yet, each such
// number equally likely; it goes into the first free slot (0) of the list,
// when there is one. Raises run-time error 9 when every number is taken.
int drawUnused(int range, std::vector<int> &used);

} // namespace words
