#pragma once

// How many times longer our own code may take in this build than in a plain
// one. AddressSanitizer checks every memory access of our code, so a child
// process of ours (the content tool, the program) runs several times slower
// when the tests run sanitized; a wait for one is scaled by this, not
// lengthened for every build.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int BuildSlowdown = 10;
#else
inline constexpr int BuildSlowdown = 1;
#endif

constexpr int scaledForBuild(int milliseconds)
{
    return milliseconds * BuildSlowdown;
}
