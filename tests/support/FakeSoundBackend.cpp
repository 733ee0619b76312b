#include "tests/support/FakeSoundBackend.h"

#include "platform/controls/SoundPlayer.h"

#include <QFileInfo>

namespace {

struct Shared
{
    QList<FakeSoundBackend *> instances;
    QStringList playLog;
    QStringList unplayable;
    bool autoFinish = false;
};

Shared &shared()
{
    static Shared state;
    return state;
}

} // namespace

FakeSoundBackend::Installation::Installation()
{
    shared() = Shared{shared().instances, {}, {}, false};
    controls::SoundPlayer::setBackendFactory([] { return std::make_unique<FakeSoundBackend>(); });
}

FakeSoundBackend::Installation::~Installation()
{
    controls::SoundPlayer::setBackendFactory({});
    shared() = Shared{shared().instances, {}, {}, false};
}

std::unique_ptr<FakeSoundBackend::Installation> FakeSoundBackend::install()
{
    return std::make_unique<Installation>();
}

FakeSoundBackend::FakeSoundBackend()
{
    shared().instances.append(this);
}

FakeSoundBackend::~FakeSoundBackend()
{
    shared().instances.removeAll(this);
}

void FakeSoundBackend::open(const QString &path)
{
    m_playing = false;
    m_openFile = path;
    m_opened.append(path);
}

void FakeSoundBackend::play()
{
    ++m_playCount;
    shared().playLog.append(m_openFile);
    m_playing = true;
    const QString name = QFileInfo(m_openFile).fileName();
    if (m_openFile.isEmpty() || shared().unplayable.contains(name, Qt::CaseInsensitive)) {
        fail();
        return;
    }
    if (shared().autoFinish) {
        QMetaObject::invokeMethod(
            this,
            [this, count = m_playCount] {
                if (m_playCount == count)
                    finish();
            },
            Qt::QueuedConnection);
    }
}

void FakeSoundBackend::stop()
{
    ++m_stopCount;
    m_playing = false;
}

void FakeSoundBackend::close()
{
    ++m_closeCount;
    m_playing = false;
    m_openFile.clear();
}

FakeSoundBackend *FakeSoundBackend::of(const controls::SoundPlayer &player)
{
    return qobject_cast<FakeSoundBackend *>(player.backend());
}

QList<FakeSoundBackend *> FakeSoundBackend::instances()
{
    return shared().instances;
}

QStringList FakeSoundBackend::playLog()
{
    return shared().playLog;
}

void FakeSoundBackend::setUnplayable(const QStringList &fileNames)
{
    shared().unplayable = fileNames;
}

void FakeSoundBackend::setAutoFinish(bool on)
{
    shared().autoFinish = on;
}

void FakeSoundBackend::finish()
{
    if (!m_playing)
        return;
    m_playing = false;
    emit ended();
}

void FakeSoundBackend::fail()
{
    if (!m_playing)
        return;
    m_playing = false;
    emit failed();
}
