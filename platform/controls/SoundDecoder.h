#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

#include <functional>

namespace controls {

// The samples of one decoded file; none when it could not be decoded.
struct DecodedSound
{
    QByteArray pcm;
    QAudioFormat format;
};

// Decodes sound files into memory on a thread of its own, one file at a time
// in the order asked. The media framework's start (its plugins, a pipeline
// per file) then never holds up the windows: opening a recording costs the
// caller a message to that thread, and the first window paints while the
// framework loads.
//
// A file decoded lately (16 MB of samples are kept) is not decoded again
// until it changes: a lesson opens the same recordings again and again, and
// each decode costs the media framework some memory it never gives back.
//
// Called from the application's thread only; results come back to it
// through its event loop. The thread ends with the application.
class SoundDecoder final
{
public:
    using Ticket = quint64;
    using Done = std::function<void(DecodedSound)>;

    // Decodes the local file at path; done runs later on the calling thread,
    // unless the ticket is cancelled first.
    static Ticket decode(const QString &path, Done done);
    // done never runs; a decode not yet started is skipped, one under way stopped.
    static void cancel(Ticket ticket);

    // Decodes whose results have not been delivered or cancelled yet.
    static int pending();
    // Files handed to the media framework so far (not those kept decoded).
    static int decodesStarted();
    // Drops the recordings kept decoded (a memory census counts no cache).
    static void forgetKept();

    SoundDecoder() = delete;
};

} // namespace controls
