#include "bench/memory/Census.h"

#include "platform/controls/SoundDecoder.h"
#include "platform/controls/SoundPlayer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QWidget>

namespace {

double statusMB(const QString &status, const char *field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+) kB").arg(QLatin1String(field)),
                                  QRegularExpression::MultilineOption);
    const auto match = line.match(status);
    return match.hasMatch() ? match.captured(1).toDouble() / 1024.0 : -1;
}

int openDatabaseFiles()
{
    int count = 0;
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QString &fd :
         descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFile::symLinkTarget(descriptors.filePath(fd))
                .endsWith(QLatin1String(".kdt"), Qt::CaseInsensitive))
            ++count;
    }
    return count;
}

} // namespace

Census takeCensus()
{
    // Bounded caches fill as new pictures and recordings come; a leak is
    // what grows besides them.
    QPixmapCache::clear();
    controls::SoundDecoder::forgetKept();
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    Census census;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromLatin1(status.readAll());
        census.residentMB = statusMB(text, "VmRSS");
        census.peakMB = statusMB(text, "VmHWM");
    }
    census.widgets = int(QApplication::allWidgets().size());
    const QWidgetList windows = QApplication::topLevelWidgets();
    census.windows = int(windows.size());
    for (const QWidget *window : windows)
        census.players += int(window->findChildren<controls::SoundPlayer *>().size());
    census.databaseFiles = openDatabaseFiles();
    return census;
}
