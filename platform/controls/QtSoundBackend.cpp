#include "platform/controls/QtSoundBackend.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QMediaDevices>

namespace controls {
namespace {

// How often the sink is asked how much it has played once everything is out.
constexpr int DrainPollMs = 10;
// A sound server may take a second or two to start a stream; past the
// recording's length and this, a playback is over whatever the sink says.
constexpr int LimitSlackMs = 4000;
// Once everything is out, what the sink still holds is heard within its own
// buffer's length; this much more and the playback counts as heard.
constexpr qint64 DrainSlackMs = 500;

} // namespace

QtSoundBackend::QtSoundBackend(QObject *parent)
    : SoundBackend(parent)
{
    m_drain.setInterval(DrainPollMs);
    connect(&m_drain, &QTimer::timeout, this, &QtSoundBackend::checkDrained);
    m_silence.setSingleShot(true);
    connect(&m_silence, &QTimer::timeout, this, &QtSoundBackend::finish);
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &QtSoundBackend::finish);
}

QtSoundBackend::~QtSoundBackend()
{
    releaseOutput();
    cancelDecode();
}

qint64 QtSoundBackend::lengthUs() const
{
    return m_load == Load::Ready ? m_format.durationForBytes(qint32(m_pcm.size())) : 0;
}

void QtSoundBackend::open(const QString &path)
{
    close();
    // A file that is not there fails on play without a decode.
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        m_load = Load::Broken;
        return;
    }
    m_load = Load::Decoding;
    m_decode = SoundDecoder::decode(file.absoluteFilePath(),
                                    [this](DecodedSound sound) { decoded(std::move(sound)); });
}

void QtSoundBackend::cancelDecode()
{
    if (m_decode != 0)
        SoundDecoder::cancel(m_decode);
    m_decode = 0;
}

void QtSoundBackend::decoded(DecodedSound sound)
{
    m_decode = 0;
    if (sound.pcm.isEmpty() || !sound.format.isValid()) {
        m_load = Load::Broken;
        fail();
        return;
    }
    m_pcm = std::move(sound.pcm);
    m_format = sound.format;
    m_load = Load::Ready;
    if (m_playing)
        startOutput();
}

void QtSoundBackend::play()
{
    if (m_load == Load::None || m_load == Load::Broken) {
        emit failed();
        return;
    }
    stop();
    m_playing = true;
    if (m_load == Load::Ready)
        startOutput();
    // Still decoding: the output starts when the samples are there.
}

void QtSoundBackend::startOutput()
{
    const int lengthMs = int(lengthUs() / 1000);
    m_limit.start(lengthMs + LimitSlackMs);

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        m_silence.start(lengthMs);
        return;
    }
    m_sink = new QAudioSink(device, m_format, this);
    // The sink's own child, so it never outlives the sink that reads it.
    m_buffer = new QBuffer(&m_pcm, m_sink);
    m_buffer->open(QIODevice::ReadOnly);
    connect(m_sink, &QAudioSink::stateChanged, this, &QtSoundBackend::outputStateChanged);
    m_sink->start(m_buffer);
    outputStateChanged(); // a sink that cannot open says so at once
}

void QtSoundBackend::outputStateChanged()
{
    if (m_sink == nullptr || !m_playing)
        return;
    if (m_sink->error() != QAudio::NoError && m_sink->error() != QAudio::UnderrunError) {
        fail();
        return;
    }
    // Idle: every sample has gone to the device, some are still to be heard.
    if (m_sink->state() == QAudio::IdleState && m_buffer->atEnd() && !m_drain.isActive()) {
        m_drainClock.start();
        m_drain.start();
        checkDrained();
    }
}

void QtSoundBackend::checkDrained()
{
    if (m_sink == nullptr)
        return;
    const qint64 heldMs = m_format.durationForBytes(qint32(m_sink->bufferSize())) / 1000;
    if (m_sink->processedUSecs() >= lengthUs() || m_drainClock.elapsed() > heldMs + DrainSlackMs)
        finish();
}

void QtSoundBackend::releaseOutput()
{
    m_drain.stop();
    m_silence.stop();
    m_limit.stop();
    if (m_sink != nullptr) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink->deleteLater();
        m_sink = nullptr;
    }
    m_buffer = nullptr;
}

void QtSoundBackend::finish()
{
    if (!m_playing)
        return;
    m_playing = false;
    // The sink may still hold the last few milliseconds on their way out;
    // stopping it now would cut them off.
    if (m_sink != nullptr) {
        QAudioSink *sink = m_sink;
        sink->disconnect(this);
        m_sink = nullptr;
        m_buffer = nullptr;
        QTimer::singleShot(DrainSlackMs, sink, [sink] {
            sink->stop();
            sink->deleteLater();
        });
    }
    releaseOutput();
    emit ended();
}

void QtSoundBackend::fail()
{
    if (!m_playing)
        return;
    m_playing = false;
    releaseOutput();
    emit failed();
}

void QtSoundBackend::stop()
{
    m_playing = false;
    releaseOutput();
}

void QtSoundBackend::close()
{
    stop();
    cancelDecode();
    m_pcm.clear();
    m_format = QAudioFormat();
    m_load = Load::None;
}

} // namespace controls
