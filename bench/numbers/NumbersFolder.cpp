#include "bench/numbers/NumbersFolder.h"

#include "bench/lesson/LessonFolder.h"
#include "course/schema/Create.h"
#include "course/schema/Writer.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <stdexcept>

namespace {

// The Gujarati digit, dark on white, as the keys' pictures are.
QString drawDigit(const QString &folder, int digit)
{
    const QString relative = QStringLiteral("numbers/digit%1.png").arg(digit);
    QImage image(50, 66, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("Noto Sans Gujarati"));
    font.setPixelSize(48);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x20, 0x20, 0x80));
    painter.drawText(image.rect(), Qt::AlignCenter, QString(QChar(0x0AE6 + digit)));
    painter.end();
    QDir().mkpath(folder + "/numbers");
    if (!image.save(folder + "/" + relative))
        throw std::runtime_error("cannot write " + relative.toStdString());
    return "\\" + QString(relative).replace('/', '\\');
}

} // namespace

void makeNumbersFolder(const QString &folder, const QString &userName, int level)
{
    QDir().mkpath(folder + "/levels");
    QDir().mkpath(folder + "/pictures");
    makeUsersDatabase(folder + "/Kelvo.kdt", userName, level);
    QFile::copy(lessonFolder() + "/pictures/speaker.png", folder + "/pictures/speaker.png");
    QStringList digits;
    for (int digit = 0; digit <= 9; ++digit)
        digits << drawDigit(folder, digit);

    for (int numbersLevel = 15; numbersLevel <= 21; ++numbersLevel) {
        const QString path = folder + QStringLiteral("/levels/level%1.kdt").arg(numbersLevel);
        QFile::remove(path);
        schema::createLevelDatabase(path);
        if (numbersLevel == 21)
            continue;
        schema::Writer writer(path);
        writer.begin();
        for (int digit = 0; digit <= 9; ++digit)
            writer.addKeyboardChar(digit, QString::number(digit), QString::number(digit),
                                   digits[digit], QString());
        const bool full = numbersLevel == 20;
        const int first = full ? 1 : 1 + 20 * (numbersLevel - 15);
        for (int place = 1; place <= (full ? 100 : 20); ++place) {
            const int number = first + place - 1;
            writer.addWord(place, QStringLiteral("\\sounds\\numbers\\%1.mp3").arg(number));
            const QString text = QString::number(number);
            for (int i = 0; i < text.size(); ++i)
                writer.addWordLetter(number, text[i].digitValue(), i + 1);
        }
        writer.addExam(1, 7);
        writer.commit();
    }
}
