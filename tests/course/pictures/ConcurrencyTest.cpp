#include "course/pictures/Pictures.h"
#include "tests/course/pictures/PictureProbe.h"

#include <QTemporaryDir>

#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

// The content tool writes many pictures at once; threads must neither fail nor change
// a single byte of what is written.
TEST(Concurrency, PicturesWrittenInParallelEqualThoseWrittenAlone)
{
    const QString letters[] = {QStringLiteral("\u0A95"), QStringLiteral("\u0A96"),
                               QStringLiteral("\u0A95\u0ACD\u0AB7"),
                               QStringLiteral("\u25CC\u0ABF")};
    QTemporaryDir alone;
    for (int i = 0; i < 4; ++i) {
        pictures::writeStrokeAnimation(letters[i], alone.filePath(QString::number(i) + ".gif"),
                                       QSize(121, 161));
        pictures::writeExampleAnimation(QStringLiteral("\U0001F34E"), i + 1,
                                        alone.filePath(QString::number(i) + "e.gif"),
                                        QSize(129, 169));
    }

    QTemporaryDir together;
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&, i] {
            try {
                pictures::writeStrokeAnimation(
                    letters[i], together.filePath(QString::number(i) + ".gif"), QSize(121, 161));
                pictures::writeExampleAnimation(QStringLiteral("\U0001F34E"), i + 1,
                                                together.filePath(QString::number(i) + "e.gif"),
                                                QSize(129, 169));
            } catch (...) {
                ++failures;
            }
        });
    }
    for (std::thread &t : threads)
        t.join();

    EXPECT_EQ(failures.load(), 0);
    for (int i = 0; i < 4; ++i) {
        for (const QString &name : {QString::number(i) + ".gif", QString::number(i) + "e.gif"}) {
            const QByteArray expected = probe::fileBytes(alone.filePath(name));
            ASSERT_FALSE(expected.isEmpty());
            EXPECT_EQ(probe::fileBytes(together.filePath(name)), expected) << name.toStdString();
        }
    }
}
