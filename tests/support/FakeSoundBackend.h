#pragma once

#include "platform/controls/SoundBackend.h"

#include <QList>
#include <QStringList>

#include <memory>

namespace controls {
class SoundPlayer;
}

// A sound back end whose playbacks end when the test says. Installed for every
// SoundPlayer made while an Installation lives:
//
//     const auto sounds = FakeSoundBackend::install();
//     frmMain form; ...
//     FakeSoundBackend::of(form.LetterSound)->finish();
class FakeSoundBackend final : public controls::SoundBackend
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FakeSoundBackend)

public:
    // Puts the double in on construction and the real back end back on
    // destruction; also clears the shared records.
    class Installation
    {
        Q_DISABLE_COPY_MOVE(Installation)

    public:
        Installation();
        ~Installation();
    };
    [[nodiscard]] static std::unique_ptr<Installation> install();

    FakeSoundBackend();
    ~FakeSoundBackend() override;

    void open(const QString &path) override;
    void play() override;
    void stop() override;
    void close() override;

    // The double behind a player made while the double was installed.
    static FakeSoundBackend *of(const controls::SoundPlayer &player);
    // Every double alive, oldest first.
    static QList<FakeSoundBackend *> instances();
    // Every file played by any double, in order.
    static QStringList playLog();

    // Files whose playbacks fail, as an unreadable file would (matched by
    // file name, without regard to case).
    static void setUnplayable(const QStringList &fileNames);
    // When on, every playback ends by itself from the event loop.
    static void setAutoFinish(bool on);

    // The current playback reaches its end. Nothing happens when none runs.
    void finish();
    // The current playback fails. Nothing happens when none runs.
    void fail();

    QString openFile() const { return m_openFile; }
    QStringList opened() const { return m_opened; }
    int playCount() const { return m_playCount; }
    int stopCount() const { return m_stopCount; }
    int closeCount() const { return m_closeCount; }
    bool isPlaying() const { return m_playing; }

private:
    QString m_openFile;
    QStringList m_opened;
    int m_playCount = 0;
    int m_stopCount = 0;
    int m_closeCount = 0;
    bool m_playing = false;
};
