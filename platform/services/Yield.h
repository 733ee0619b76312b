#pragma once

namespace services {

// Lets the message loop run the events that are waiting, then returns.
void DoEvents();

// Blocks the one thread for the given time: no event runs meanwhile (clicks
// that arrive are handled afterwards, in order).
void Sleep(int milliseconds);

} // namespace services
