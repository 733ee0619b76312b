#include "course/coursegen/CourseMedia.h"

#include "course/pictures/Colours.h"
#include "course/pictures/Pictures.h"
#include "course/sounds/Sounds.h"
#include "exercises/letters/order/Congratulations.h"

namespace coursegen {
namespace {

// The chart plays some 830 short syllables: speech stays clear at this rate
// in a third less room.
constexpr int SyllableKbitPerSecond = 32;

} // namespace

void makeCourseMedium(const MediaJob &job, const QString &file)
{
    switch (job.kind) {
    case MediaKind::LetterPicture:
        pictures::writeLetterPicture(job.text, file, job.size, job.kin);
        return;
    case MediaKind::DigitPicture:
        pictures::writeDigitPicture(job.text, file, job.size);
        return;
    case MediaKind::KeyPicture:
        pictures::writeKeyPicture(job.text, file, job.size, job.kin);
        return;
    case MediaKind::StrokeAnimation:
        pictures::writeStrokeAnimation(job.text, file, job.size, job.kin, job.strokes);
        return;
    case MediaKind::TracingPicture:
        pictures::writeTracingPicture(job.text, job.number, file, job.size, job.kin, job.strokes);
        return;
    case MediaKind::ExampleAnimation:
        pictures::writeExampleAnimation(job.text, job.number, file, job.size);
        return;
    case MediaKind::WordStrip:
        pictures::writeWordStrip(job.text, file, job.size);
        return;
    case MediaKind::Speech:
        sounds::writeMp3(sounds::speak(job.text), file);
        return;
    case MediaKind::LetterSpeech:
        sounds::writeMp3(sounds::speakHeld(job.text, job.number / 1000.0), file);
        return;
    case MediaKind::SyllableSpeech:
        sounds::writeMp3(job.number > 0 ? sounds::speakHeld(job.text, job.number / 1000.0)
                                        : sounds::speak(job.text),
                         file, SyllableKbitPerSecond);
        return;
    case MediaKind::Chant:
        sounds::writeMp3(sounds::chant(job.number / 1000.0), file);
        return;
    case MediaKind::Applause:
        sounds::writeMp3(sounds::applause(job.number / 1000.0), file);
        return;
    case MediaKind::Logo:
        pictures::writeLogo(file);
        return;
    case MediaKind::ClickHint:
        pictures::writeClickHint(file, job.size);
        return;
    case MediaKind::ClearClickHint:
        pictures::writeClearClickHint(file, job.size, pictures::colours::InfoWindow);
        return;
    case MediaKind::Loading:
        pictures::writeLoading(file);
        return;
    case MediaKind::Instruction:
        pictures::writeInstruction(job.text, file, job.size);
        return;
    case MediaKind::TestInstruction:
        pictures::writeInstruction(job.text, file, job.size, pictures::colours::InfoWindow);
        return;
    case MediaKind::Congratulations:
        pictures::writeCongratulations(file, job.size, order::congratulationWords(job.size));
        return;
    case MediaKind::Splash:
        pictures::writeSplash(file, job.size);
        return;
    case MediaKind::InfoPicture:
        pictures::writeInfoPicture(job.number, file);
        return;
    case MediaKind::SpeakerPicture:
        pictures::writeSpeakerPicture(file);
        return;
    }
}

} // namespace coursegen
