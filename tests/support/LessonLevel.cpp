#include "tests/support/LessonLevel.h"

#include "course/pictures/GifWriter.h"
#include "course/schema/Writer.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage filled(QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

LessonLevel::LessonLevel(TempProgramFolder &folder, SoundWriter writeSound)
    : m_folder(folder)
    , m_writeSound(std::move(writeSound))
{}

QColor LessonLevel::letterColour(int letter)
{
    return QColor(QColor::fromHsv((letter * 47) % 360, 200, 220).rgb());
}

QColor LessonLevel::traceColour(int letter)
{
    return QColor(letterColour(letter).lighter(150).rgb());
}

void LessonLevel::write(int level, int count)
{
    schema::Writer writer(m_folder.levelDatabase(level));
    for (int i = 1; i <= count; ++i)
        writer.addLetter(letterRow(i));
}

schema::LetterRow LessonLevel::letterRow(int i)
{
    const QString n = QString::number(i);
    schema::LetterRow row;
    row.ID = i;
    row.LetterPicture = picture("pictures\\letter" + n + ".png", {30, 36}, letterColour(i));
    // Three short passes; a test may wait for their end.
    row.LetterAnimation = gif("Animation\\stroke" + n + ".gif", {30, 36}, 2);
    row.LetterSound = sound("sounds\\letter" + n + ".mp3");
    row.LetterPronounciation = QStringLiteral("ka%1").arg(i);
    // Long enough to be still running where a test looks.
    row.PictureAAnimation = gif("pictures\\a" + n + ".gif", {40, 50}, 100);
    row.PictureATop = 360;
    row.PictureALeft = 480 + 15 * i;
    row.PictureAHeight = 2535;
    row.PictureAWidth = 1935;
    row.PictureASound = sound("sounds\\a" + n + ".mp3");
    row.PictureAWord = gif("pictures\\worda" + n + ".gif", {40, 15}, 100);
    row.PictureBAnimation = gif("pictures\\b" + n + ".gif", {40, 50}, 100);
    row.PictureBTop = 375;
    row.PictureBLeft = 5180;
    row.PictureBHeight = 2520;
    row.PictureBWidth = 1920;
    row.PictureBSound = sound("sounds\\b" + n + ".mp3");
    row.PictureBWord = gif("pictures\\wordb" + n + ".gif", {40, 15}, 100);
    const db::Variant trace = picture("letters\\trace" + n + ".png", {112, 112}, traceColour(i));
    row.PictureLetter1 = row.PictureLetter2 = row.PictureLetter3 = trace;
    row.PictureLetter4 = row.PictureLetter5 = row.PictureLetter6 = trace;
    return row;
}

QString LessonLevel::picture(const QString &stored, QSize size, const QColor &colour)
{
    EXPECT_TRUE(filled(size, colour).save(local(stored)));
    return "\\" + stored;
}

QString LessonLevel::gif(const QString &stored, QSize size, int delayCentiseconds)
{
    pictures::writeGif(local(stored), {{filled(size, Qt::white), delayCentiseconds},
                                       {filled(size, Qt::black), delayCentiseconds}});
    return "\\" + stored;
}

QString LessonLevel::sound(const QString &stored)
{
    m_writeSound(local(stored));
    return "\\" + stored;
}

QString LessonLevel::local(const QString &stored)
{
    const QString path = m_folder.path() + "/" + QString(stored).replace('\\', '/');
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}
