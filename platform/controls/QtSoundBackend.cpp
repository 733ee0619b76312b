#include "platform/controls/QtSoundBackend.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace controls {

QtSoundBackend::QtSoundBackend(QObject *parent)
    : SoundBackend(parent)
{}

QtSoundBackend::~QtSoundBackend() = default;

void QtSoundBackend::makePlayer()
{
    if (m_player)
        return;
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_player->setAudioOutput(m_output);

    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia && m_playing) {
                    m_playing = false;
                    emit ended();
                } else if (status == QMediaPlayer::InvalidMedia) {
                    fail();
                }
            });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (error != QMediaPlayer::NoError)
            fail();
    });
}

void QtSoundBackend::fail()
{
    if (!m_hasFile)
        return;
    m_broken = true;
    if (m_playing) {
        m_playing = false;
        emit failed();
    }
}

void QtSoundBackend::open(const QString &path)
{
    stop();
    m_hasFile = true;
    // A file that is not there fails on play without building a pipeline.
    const QFileInfo file(path);
    m_broken = !file.isFile() || !file.isReadable();
    if (m_broken) {
        if (m_player)
            m_player->setSource(QUrl());
        return;
    }
    makePlayer();
    m_player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void QtSoundBackend::play()
{
    if (!m_hasFile || m_broken) {
        emit failed();
        return;
    }
    m_playing = true;
    m_player->setPosition(0);
    if (m_player->playbackState() != QMediaPlayer::PlayingState)
        m_player->play();
}

void QtSoundBackend::stop()
{
    m_playing = false;
    if (m_player)
        m_player->stop();
}

void QtSoundBackend::close()
{
    stop();
    m_hasFile = false;
    m_broken = false;
    if (m_player)
        m_player->setSource(QUrl());
}

} // namespace controls
