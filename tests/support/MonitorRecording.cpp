#include "tests/support/MonitorRecording.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>
#include <QObject>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int Rate = 48000;
constexpr int Window = Rate / 100; // 10 ms
constexpr int Loud = 1000;         // of 32767: far above the null sink's silence
constexpr int GapWindows = 3;      // a tone may drop out this long and go on
constexpr double PitchTolerance = 0.12;
constexpr double ShortestTone = 0.05;

} // namespace

MonitorRecording::MonitorRecording(const QString &deviceId)
{
    QAudioDevice device;
    for (const QAudioDevice &input : QMediaDevices::audioInputs()) {
        if (input.id() == deviceId.toUtf8())
            device = input;
    }
    if (device.isNull()) {
        m_error = QStringLiteral("no recording device ") + deviceId;
        return;
    }
    m_format.setSampleRate(Rate);
    m_format.setChannelCount(1);
    m_format.setSampleFormat(QAudioFormat::Int16);
    m_source = new QAudioSource(device, m_format);
    m_source->setBufferSize(m_format.bytesForDuration(20000));
    m_input = m_source->start();
    if (m_input == nullptr) {
        m_error = QStringLiteral("the recording did not start");
        return;
    }
    QObject::connect(m_input, &QIODevice::readyRead, m_source, [this] { read(); });
}

MonitorRecording::~MonitorRecording()
{
    if (m_source != nullptr)
        m_source->stop();
    delete m_source;
}

void MonitorRecording::read()
{
    m_samples.append(m_input->readAll());
}

double MonitorRecording::seconds() const
{
    return double(m_samples.size() / 2) / Rate;
}

QList<MonitorRecording::Tone> MonitorRecording::tones() const
{
    const auto *samples = reinterpret_cast<const qint16 *>(m_samples.constData());
    const qsizetype count = m_samples.size() / 2;

    QList<Tone> found;
    bool inTone = false;
    int quiet = 0;
    Tone tone;
    const auto close = [&] {
        if (inTone && tone.length() >= ShortestTone)
            found.append(tone);
        inTone = false;
    };
    for (qsizetype first = 0; first + Window <= count; first += Window) {
        int peak = 0;
        int crossings = 0;
        for (qsizetype i = first; i < first + Window; ++i) {
            peak = std::max(peak, std::abs(int(samples[i])));
            if (i > first && (samples[i - 1] < 0) != (samples[i] < 0))
                ++crossings;
        }
        const double start = double(first) / Rate;
        const double end = double(first + Window) / Rate;
        const double hertz = crossings * 50.0; // two crossings a cycle, 100 windows a second
        if (peak < Loud) {
            if (inTone && ++quiet > GapWindows)
                close();
            continue;
        }
        quiet = 0;
        if (inTone && std::abs(hertz - tone.hertz) > tone.hertz * PitchTolerance)
            close();
        if (!inTone) {
            tone = Tone{start, end, hertz};
            inTone = true;
        }
        tone.end = end;
    }
    close();
    return found;
}
