#include "tests/shell/LessonLevels.h"

#include "course/pictures/GifWriter.h"
#include "course/schema/LetterRow.h"
#include "course/schema/Writer.h"
#include "tests/support/TempProgramFolder.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QImage>

namespace {

QByteArray pngOf(const QColor &colour)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QString lessonPronunciation(int level, int letter)
{
    return QStringLiteral("level %1 letter %2").arg(level).arg(letter);
}

void addLessonLetters(TempProgramFolder &folder, int level, int count)
{
    schema::Writer writer(folder.levelDatabase(level));
    for (int id = 1; id <= count; ++id) {
        const QString name = QStringLiteral("l%1_%2.png").arg(level).arg(id);
        folder.addFile(QStringLiteral("Pictures/") + name,
                       pngOf(QColor::fromHsv(level * 10, 200, 200)));
        schema::LetterRow row;
        row.ID = id;
        row.LetterPicture = QStringLiteral("\\Pictures\\") + name;
        row.LetterPronounciation = lessonPronunciation(level, id);
        row.PictureATop = 360;
        row.PictureALeft = 480;
        row.PictureAHeight = 2535;
        row.PictureAWidth = 1935;
        row.PictureBTop = 360;
        row.PictureBLeft = 5180;
        row.PictureBHeight = 2535;
        row.PictureBWidth = 1935;
        row.PictureLetter1 = row.PictureLetter2 = row.PictureLetter3 = row.LetterPicture;
        row.PictureLetter4 = row.PictureLetter5 = row.PictureLetter6 = row.LetterPicture;
        writer.addLetter(row);
    }
}

void addInformationAnimations(TempProgramFolder &folder)
{
    QDir().mkpath(folder.path() + QStringLiteral("/Animation"));
    for (const char *name : {"logo.gif", "click2.gif"}) {
        QImage light(20, 20, QImage::Format_RGB32);
        light.fill(Qt::white);
        QImage dark(20, 20, QImage::Format_RGB32);
        dark.fill(Qt::black);
        pictures::writeGif(folder.path() + QStringLiteral("/Animation/") + QLatin1String(name),
                           {{light, 10}, {dark, 10}});
    }
}
