#pragma once

#include <QString>

namespace platform {

// The program folder: where the executable lies, unless a test has set
// another. Every stored path of the course is relative to it.
QString AppPath();
void setAppPath(const QString &folder); // an empty folder restores the default

// A path as the course writes it ("C:\x\Sounds\a.mp3" style, backslashes,
// any letter case) turned into a path on this machine: separators become "/",
// and where the exact name does not exist a component is matched without
// regard to case, so "\Sounds\" finds "sounds/". A path that matches nothing
// comes back with only its separators changed.
QString localPath(const QString &path);

// The program folder joined with a stored path that begins with "\", then
// made local. An empty stored path gives the folder itself.
QString ProgramPath(const QString &storedPath);

} // namespace platform
