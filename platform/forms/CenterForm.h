#pragma once

class QWidget;

namespace forms {

// Puts the window in the normal state (neither minimised nor maximised) and
// centres its outer frame on the screen. A window larger than the screen
// gets a negative position; nothing is clamped. A form is centred again when
// its frame becomes known, until the program places it elsewhere.
void CenterForm(QWidget &window);

} // namespace forms
