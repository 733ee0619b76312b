#include "bench/pauses/UnansweredProbe.h"

#include <algorithm>

UnansweredProbe::UnansweredProbe()
{
    m_ticks.setTimerType(Qt::PreciseTimer);
    m_ticks.setInterval(1);
    connect(&m_ticks, &QTimer::timeout, this, &UnansweredProbe::tick);
}

UnansweredProbe::~UnansweredProbe() = default;

void UnansweredProbe::start()
{
    m_longest = 0;
    m_clock.start();
    m_last = 0;
    m_ticks.start();
}

double UnansweredProbe::stop()
{
    tick();
    m_ticks.stop();
    return double(m_longest) / 1e9;
}

void UnansweredProbe::tick()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_longest = std::max(m_longest, now - m_last);
    m_last = now;
}
