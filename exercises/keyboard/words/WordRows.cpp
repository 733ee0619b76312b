#include "exercises/keyboard/words/WordRows.h"

#include "exercises/keyboard/words/KeyPictures.h"
#include "platform/core/RuntimeError.h"
#include "resources/Icons.h"
#include "shell/modErrors.h"

namespace words {

void drawKeys(PictureCell *const *row, std::size_t cells, const std::vector<int> &keys,
              KeyPictures &pictures, AtFault atFault)
{
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i >= cells) {
            if (atFault == AtFault::Stop)
                modErrors::gErrMsg = modErrors::ErrorReport(platform::RuntimeError(
                    platform::err::SubscriptOutOfRange, QStringLiteral("Subscript out of range")));
            return;
        }
        PictureCell *cell = row[i];
        cell->empty();
        cell->setTag(QString::number(keys[i]));
        try {
            cell->setPixmap(pictures.picture(keys[i]));
        } catch (const platform::RuntimeError &error) {
            modErrors::gErrMsg = modErrors::ErrorReport(error);
            if (atFault == AtFault::Stop)
                return;
        }
    }
}

bool sameTags(const PictureCell *const *answer, const PictureCell *const *correct,
              std::size_t cells)
{
    for (std::size_t j = 0; j < cells; ++j) {
        if (answer[j]->Tag() != correct[j]->Tag())
            return false;
    }
    return true;
}

void showMark(QLabel &mark, bool right)
{
    mark.setPixmap(resources::LoadResPicture(right ? resources::TickIcon : resources::CrossIcon));
    mark.show();
}

} // namespace words
