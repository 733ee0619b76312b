#include "exercises/letters/LetterMedia.h"

#include "platform/controls/LoadPicture.h"
#include "platform/controls/SoundFile.h"
#include "platform/core/RuntimeError.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <functional>

namespace exercises::letters {
namespace {

// Each letter's file through `why`, which says what is wrong with it, or
// nothing when it serves.
bool everyLetterServes(int count, QString Letter::*file, const char *what,
                       const std::function<QString(const QString &)> &why)
{
    for (int k = 1; k <= count; ++k) {
        if (std::size_t(k) >= modMain::gLetters.size()) {
            constexpr int number = platform::err::SubscriptOutOfRange;
            modErrors::gErrMsg = modErrors::ErrorReport(
                platform::RuntimeError(number, platform::RuntimeError::describe(number)));
            return false;
        }
        const QString path = modMain::gLetters[std::size_t(k)].*file;
        const QString fault = why(path);
        if (!fault.isEmpty()) {
            modErrors::ReportBadData(
                QStringLiteral("The %1 of letter %2 of this level, \"%3\", %4.")
                    .arg(QLatin1String(what))
                    .arg(k)
                    .arg(path, fault));
            return false;
        }
    }
    return true;
}

} // namespace

// Loaded as a deal loads it, so a picture that passes here shows on its tile.
bool picturesServe(int count)
{
    return everyLetterServes(count, &Letter::LetterPicture, "picture", [](const QString &path) {
        try {
            LoadPicture(path);
            return QString();
        } catch (const platform::RuntimeError &error) {
            return QStringLiteral("cannot be shown (%1)").arg(error.description());
        }
    });
}

bool recordingsServe(int count)
{
    return everyLetterServes(count, &Letter::LetterSound, "recording", [](const QString &path) {
        return controls::isSoundFile(path) ? QString()
                                           : QStringLiteral("is not a sound that can be played");
    });
}

} // namespace exercises::letters
