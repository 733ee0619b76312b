#pragma once

class QApplication;

namespace shell {

// The program's life once its application exists: the start-up (modMain::Main),
// then the event loop until CloseDatabaseAndEnd ends the process. The program's
// main and the start-up benchmark's copy of it both run this.
int runProgram(QApplication &app);

} // namespace shell
