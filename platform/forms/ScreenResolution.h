#pragma once

namespace forms {

// The screen-size code the layouts switch on: 0 for 640 x 480, 1 for 800 x 600,
// 2 for 1024 x 768, 3 for 1152 x 864, 4 for 1280 x 1024, 5 for 1600 x 1200,
// 6 for any other size. Both dimensions are compared exactly.
int GetScreenResolution();

} // namespace forms
