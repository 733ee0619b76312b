#pragma once

#include "course/schema/LetterRow.h"

#include <QColor>
#include <QSize>
#include <QString>

#include <functional>

class TempProgramFolder;

// Letters of a level with small real media in a test's program folder: each
// letter's pictures carry its own colour, its animations are two-frame GIFs,
// and its three sounds are whatever the test writes for them.
class LessonLevel final
{
public:
    // Writes the sound file for a stored path ("sounds\a1.mp3") at a local path.
    using SoundWriter = std::function<void(const QString &localPath)>;

    LessonLevel(TempProgramFolder &folder, SoundWriter writeSound);

    // Letters 1..count into the level's database.
    void write(int level, int count);
    schema::LetterRow letterRow(int letter);

    static QColor letterColour(int letter);
    static QColor traceColour(int letter);

    QString picture(const QString &stored, QSize size, const QColor &colour);
    QString gif(const QString &stored, QSize size, int delayCentiseconds);
    QString sound(const QString &stored);
    // The local path of a stored path, its folders made.
    QString local(const QString &stored);

private:
    TempProgramFolder &m_folder;
    SoundWriter m_writeSound;
};
