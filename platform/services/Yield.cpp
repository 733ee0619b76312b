#include "platform/services/Yield.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace services {

void DoEvents()
{
    QCoreApplication::processEvents();
}

void Sleep(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace services
