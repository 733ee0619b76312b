#include "platform/controls/SoundDecoder.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QThread>
#include <QUrl>

#include <deque>
#include <list>
#include <unordered_map>

namespace controls {
namespace {

using Ticket = SoundDecoder::Ticket;

// Decoded recordings kept for the next open of the same file: a lesson
// opens the same few again and again (back, next, a level repeated), and
// every decode costs the media framework a little memory it never gives back.
constexpr qint64 CacheBytes = 16 * 1024 * 1024;

struct Job
{
    Ticket ticket = 0;
    QString path;
};

class DecoderFront;

// Lives on the decoding thread: one decoder at a time, each file in a decoder
// of its own, so that nothing of a stopped decode can reach the next.
class DecodeWorker final : public QObject
{
public:
    explicit DecodeWorker(DecoderFront *front)
        : m_front(front)
    {}
    ~DecodeWorker() override { dropDecoder(); }

    void enqueue(const Job &job)
    {
        m_queue.push_back(job);
        if (m_current == 0)
            startNext();
    }

    void cancel(Ticket ticket)
    {
        if (ticket == m_current) {
            dropDecoder();
            m_current = 0;
            startNext();
            return;
        }
        for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
            if (it->ticket == ticket) {
                m_queue.erase(it);
                return;
            }
        }
    }

private:
    void startNext()
    {
        if (m_queue.empty())
            return;
        const Job job = m_queue.front();
        m_queue.pop_front();
        m_current = job.ticket;
        m_sound = DecodedSound();
        m_decoder = new QAudioDecoder(this);
        connect(m_decoder, &QAudioDecoder::bufferReady, this, &DecodeWorker::readBuffer);
        connect(m_decoder, &QAudioDecoder::finished, this, [this] { deliver(std::move(m_sound)); });
        connect(m_decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this,
                [this] { deliver(DecodedSound()); });
        m_decoder->setSource(QUrl::fromLocalFile(job.path));
        m_decoder->start();
    }

    void readBuffer()
    {
        const QAudioBuffer buffer = m_decoder->read();
        if (!buffer.isValid())
            return;
        if (m_sound.pcm.isEmpty())
            m_sound.format = buffer.format();
        if (buffer.format() == m_sound.format)
            m_sound.pcm.append(buffer.constData<char>(), buffer.byteCount());
    }

    void deliver(DecodedSound sound);

    void dropDecoder()
    {
        if (m_decoder == nullptr)
            return;
        m_decoder->disconnect(this);
        m_decoder->stop();
        // It may be inside one of its own signals.
        m_decoder->deleteLater();
        m_decoder = nullptr;
    }

    DecoderFront *m_front;
    std::deque<Job> m_queue;
    Ticket m_current = 0;
    QAudioDecoder *m_decoder = nullptr;
    DecodedSound m_sound;
};

// Lives on the application's thread: the decoding thread, and the callers
// waiting for their results.
class DecoderFront final : public QObject
{
public:
    DecoderFront()
    {
        m_thread.setObjectName(QStringLiteral("sound decoding"));
        m_worker = new DecodeWorker(this);
        m_worker->moveToThread(&m_thread);
        m_thread.start();
    }

    ~DecoderFront() override
    {
        // The decoders belong to the decoding thread and go with it.
        QMetaObject::invokeMethod(
            m_worker, [worker = m_worker] { delete worker; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    Ticket decode(const QString &path, SoundDecoder::Done done)
    {
        const Ticket ticket = ++m_lastTicket;
        const QFileInfo file(path);
        // A file written again is a new recording.
        const QString key = QStringLiteral("%1|%2|%3")
                                .arg(path)
                                .arg(file.lastModified().toMSecsSinceEpoch())
                                .arg(file.size());
        m_waiting.emplace(ticket, Waiting{key, std::move(done)});
        for (auto it = m_cache.begin(); it != m_cache.end(); ++it) {
            if (it->key == key) {
                m_cache.splice(m_cache.begin(), m_cache, it);
                // Still from the event loop, as a decode would be.
                QMetaObject::invokeMethod(
                    this, [this, ticket, sound = it->sound] { deliver(ticket, sound); },
                    Qt::QueuedConnection);
                return ticket;
            }
        }
        ++m_decodes;
        QMetaObject::invokeMethod(
            m_worker, [worker = m_worker, job = Job{ticket, path}] { worker->enqueue(job); });
        return ticket;
    }

    void cancel(Ticket ticket)
    {
        if (m_waiting.erase(ticket) == 0)
            return;
        QMetaObject::invokeMethod(m_worker,
                                  [worker = m_worker, ticket] { worker->cancel(ticket); });
    }

    // On the application's thread, from its event loop.
    void deliver(Ticket ticket, DecodedSound sound)
    {
        const auto it = m_waiting.find(ticket);
        if (it == m_waiting.end())
            return; // cancelled while the result was on its way
        const Waiting waiting = std::move(it->second);
        m_waiting.erase(it);
        remember(waiting.key, sound);
        waiting.done(std::move(sound));
    }

    int pending() const { return int(m_waiting.size()); }
    int decodes() const { return m_decodes; }
    void forgetKept()
    {
        m_cache.clear();
        m_cachedBytes = 0;
    }

private:
    struct Waiting
    {
        QString key;
        SoundDecoder::Done done;
    };
    struct Cached
    {
        QString key;
        DecodedSound sound;
    };

    void remember(const QString &key, const DecodedSound &sound)
    {
        if (sound.pcm.isEmpty() || sound.pcm.size() > CacheBytes)
            return;
        for (const Cached &cached : m_cache) {
            if (cached.key == key)
                return;
        }
        m_cache.push_front(Cached{key, sound});
        m_cachedBytes += sound.pcm.size();
        while (m_cachedBytes > CacheBytes) {
            m_cachedBytes -= m_cache.back().sound.pcm.size();
            m_cache.pop_back();
        }
    }

    QThread m_thread;
    DecodeWorker *m_worker = nullptr;
    Ticket m_lastTicket = 0;
    int m_decodes = 0;
    std::unordered_map<Ticket, Waiting> m_waiting;
    std::list<Cached> m_cache; // most recently used first
    qint64 m_cachedBytes = 0;
};

void DecodeWorker::deliver(DecodedSound sound)
{
    const Ticket ticket = m_current;
    dropDecoder();
    m_current = 0;
    if (!sound.format.isValid())
        sound = DecodedSound();
    QMetaObject::invokeMethod(m_front, [front = m_front, ticket, sound = std::move(sound)] {
        front->deliver(ticket, sound);
    });
    startNext();
}

DecoderFront *&frontInstance()
{
    static DecoderFront *front = nullptr;
    return front;
}

void endDecoding()
{
    delete frontInstance();
    frontInstance() = nullptr;
}

DecoderFront &front()
{
    DecoderFront *&instance = frontInstance();
    if (instance == nullptr) {
        instance = new DecoderFront;
        // Before the application goes, so that no decoder outlives it.
        qAddPostRoutine(endDecoding);
    }
    return *instance;
}

} // namespace

SoundDecoder::Ticket SoundDecoder::decode(const QString &path, Done done)
{
    return front().decode(path, std::move(done));
}

void SoundDecoder::cancel(Ticket ticket)
{
    if (frontInstance() != nullptr)
        frontInstance()->cancel(ticket);
}

int SoundDecoder::pending()
{
    return frontInstance() != nullptr ? frontInstance()->pending() : 0;
}

void SoundDecoder::forgetKept()
{
    if (frontInstance() != nullptr)
        frontInstance()->forgetKept();
}

int SoundDecoder::decodesStarted()
{
    return frontInstance() != nullptr ? frontInstance()->decodes() : 0;
}

} // namespace controls
