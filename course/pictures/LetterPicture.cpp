#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/LetterDrawing.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/WriteAside.h"

#include <QPainter>

namespace pictures {

void writeLetterPicture(const QString &text, const QString &pngPath, QSize size,
                        const QStringList &kin)
{
    requireSize(size, "letter picture");
    const ShapedText letter = letterFor(text, size, kin);
    QImage image = newWhitePicture(size);
    {
        QPainter painter(&image);
        prepare(painter);
        paintPlaceholder(painter, letter);
        paintLetter(painter, letter);
    }
    savePng(image, pngPath);
}

} // namespace pictures
