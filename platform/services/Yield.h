#pragma once

namespace services {

// Lets the message loop run the events that are waiting, then returns.
void DoEvents();

// Waits the given time while the windows go on painting and answering the
// window system; the learner's input (clicks, keys, the close box) is held
// until the wait ends and handled afterwards, in order. Timers and queued
// calls still run meanwhile.
void Sleep(int milliseconds);

} // namespace services
