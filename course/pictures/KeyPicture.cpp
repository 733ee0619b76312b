#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/ShapedText.h"
#include "course/pictures/WriteAside.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace pictures {

namespace {

constexpr char16_t GujaratiZero = u'\u0AE6';

// The texts of one key set shaped once; their common extent sizes every one
// of them.
struct KeySet
{
    std::map<QString, ShapedText> shapes;
    qreal widest = 0;
    qreal top = 0;
    qreal bottom = 0;

    explicit KeySet(const QStringList &texts)
    {
        QRectF all;
        for (const QString &text : texts) {
            const ShapedText &shape = shapes.emplace(text, shapeGujarati(text)).first->second;
            const QRectF bounds = shape.ink.boundingRect();
            widest = std::max(widest, bounds.width());
            all = all.isNull() ? bounds : all.united(bounds);
        }
        top = all.top();
        bottom = all.bottom();
    }
};

// Every picture of a key set asks for the same list, from many threads.
const KeySet &keySet(QStringList texts, const QString &text)
{
    if (!texts.contains(text))
        texts << text;
    static std::mutex lock;
    static std::map<QStringList, std::unique_ptr<const KeySet>> made;
    const std::lock_guard<std::mutex> hold(lock);
    auto it = made.find(texts);
    if (it == made.end())
        it = made.emplace(texts, std::make_unique<const KeySet>(texts)).first;
    return *it->second;
}

const QStringList &numerals()
{
    static const QStringList all = [] {
        QStringList list;
        for (int d = 0; d < 10; ++d)
            list << QString(QChar(GujaratiZero + d));
        return list;
    }();
    return all;
}

void requireNumeral(const QString &text)
{
    if (text.size() == 1 && text.front().unicode() >= GujaratiZero &&
        text.front().unicode() <= GujaratiZero + 9)
        return;
    throw std::runtime_error("digit picture: \"" + text.toStdString() +
                             "\" is not one Gujarati numeral ૦ to ૯");
}

} // namespace

void writeKeyPicture(const QString &text, const QString &pngPath, QSize size,
                     const QStringList &kin)
{
    requireSize(size, "key picture");
    const KeySet &all = keySet(kin, text);
    const ShapedText &shape = all.shapes.at(text);

    // All at one scale on one baseline, so the letters of a word or the
    // digits of a number stand in line and alike in size; as large as the
    // widest and the tallest allow. Each is centred across its own picture.
    const qreal margin = std::max(1.0, std::min(size.width(), size.height()) * 0.09);
    const QRectF box =
        QRectF(QPointF(0, 0), QSizeF(size)).adjusted(margin, margin, -margin, -margin);
    const qreal scale = std::min(box.width() / all.widest, box.height() / (all.bottom - all.top));
    const QRectF bounds = shape.ink.boundingRect();
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -(all.top + all.bottom) / 2);
    QPainterPath ink = transform.map(shape.ink);
    ink.setFillRule(Qt::WindingFill);

    QImage image = newWhitePicture(size);
    {
        QPainter painter(&image);
        prepare(painter);
        painter.fillPath(ink, colours::Letter);
    }
    savePng(image, pngPath);
}

void writeDigitPicture(const QString &numeral, const QString &pngPath, QSize size)
{
    requireNumeral(numeral);
    writeKeyPicture(numeral, pngPath, size, numerals());
}

} // namespace pictures
