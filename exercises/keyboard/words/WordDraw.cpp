#include "exercises/keyboard/words/WordDraw.h"

#include "platform/core/RuntimeError.h"
#include "platform/services/DrawGenerator.h"

#include <algorithm>
#include <random>

namespace words {

// Drawn among the free numbers rather than redrawn on a clash: the same
// chances, and the draw always ends.
int drawUnused(int range, std::vector<int> &used)
{
    std::vector<int> free;
    for (int n = 1; n <= range; ++n) {
        if (std::find(used.begin(), used.end(), n) == used.end())
            free.push_back(n);
    }
    if (free.empty())
        throw platform::RuntimeError(platform::err::SubscriptOutOfRange, {});
    std::uniform_int_distribution<std::size_t> pick(0, free.size() - 1);
    const int n = free[pick(services::drawGenerator())];
    const auto slot = std::find(used.begin(), used.end(), 0);
    if (slot != used.end())
        *slot = n;
    return n;
}

} // namespace words
