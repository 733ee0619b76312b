#include "course/sounds/SteadyVoiceData.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace sounds {

namespace {

[[noreturn]] void fail(const QString &why)
{
    throw std::runtime_error("cannot prepare espeak-ng's voice data: " + why.toStdString());
}

} // namespace

SteadyVoiceData::SteadyVoiceData(const QString &systemDataPath)
    : m_dir(QDir::tempPath() + QStringLiteral("/ostrana-espeak-XXXXXX"))
{
    if (!m_dir.isValid())
        fail(m_dir.errorString());
    const QDir system(systemDataPath);
    if (!system.exists(QStringLiteral("phontab")))
        fail(QStringLiteral("no phoneme data in \"%1\"").arg(systemDataPath));

    const QDir own(m_dir.path());
    const QStringList entries = system.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry == QLatin1String("voices"))
            continue; // our own, holding only the variant
        if (!QFile::link(system.filePath(entry), own.filePath(entry)))
            fail(QStringLiteral("cannot link \"%1\"").arg(entry));
    }

    const QString variants = own.filePath(QStringLiteral("voices/!v"));
    if (!QDir().mkpath(variants))
        fail(QStringLiteral("cannot make \"%1\"").arg(variants));
    QFile variant(variants + QLatin1Char('/') + QLatin1String(Variant));
    const QByteArray text = QByteArrayLiteral("name steady\n"
                                              "flutter 0\n"
                                              "roughness 0\n");
    if (!variant.open(QIODevice::WriteOnly) || variant.write(text) != text.size() ||
        !variant.flush())
        fail(variant.errorString());
}

} // namespace sounds
