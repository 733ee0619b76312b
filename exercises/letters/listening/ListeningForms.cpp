#include "exercises/letters/listening/ListeningForms.h"

namespace listening {

const std::array<ListeningForm, 2> ListeningForms{{
    {"frmLevel9",
     "Listening Exercise",
     "Letter",
     15,
     0,
     false,
     {34, 10, 615, 735, 120, 240, 720, 840, 2280},
     {200, 840, 7335, 3735},
     {840, 5280, 5895, 975},
     {120, 120, 5655, 735},
     {840, 7200, 5895, 975},
     {120, 120, 5655, 735},
     {360, 375, 495, 375},
     {360, 3840, 1935, 375},
     2520,
     3840,
     600,
     1920},
    {"frmLevel19",
     "Listening Vowles Exercise",
     "Vowel",
     12,
     25,
     true,
     {12, 6, 1095, 1335, 120, 120, 1200, 1440, 120},
     {240, 840, 7335, 3735},
     {720, 5160, 6255, 1215},
     {120, 120, 6015, 975},
     {720, 7080, 6255, 1215},
     {120, 120, 6015, 975},
     {480, 495, 735, 500},
     {840, 3960, 1575, 375},
     6000,
     3960,
     720,
     1560},
}};

} // namespace listening
