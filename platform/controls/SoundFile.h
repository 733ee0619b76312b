#pragma once

#include <QString>

namespace controls {

// Whether the file at a local path is one the sound player can open: a
// regular, readable file that begins as MP3 (an ID3 tag or an MPEG audio
// frame), WAV, Ogg or FLAC. Only its first bytes are read, so a window may
// ask it of every recording it can play as it loads, without decoding one.
bool isSoundFile(const QString &path);

} // namespace controls
