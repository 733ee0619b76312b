#pragma once

#include <QString>
#include <QTemporaryDir>

namespace sounds {

// A private espeak-ng data folder for this process: the system's data by
// symbolic links, plus one voice variant, "steady", that turns off the
// voice's pitch flutter and roughness. Both come from counters that run on
// from one utterance into the next inside espeak-ng, so without them a word
// sounds slightly different depending on what was spoken before it, and the
// course's recordings would change from build to build.
class SteadyVoiceData final
{
public:
    static constexpr const char *Variant = "steady";

    // Throws std::runtime_error when the folder cannot be made.
    explicit SteadyVoiceData(const QString &systemDataPath);
    Q_DISABLE_COPY_MOVE(SteadyVoiceData)

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace sounds
