#pragma once

#include <QRgb>

#include <cstdint>
#include <unordered_map>
#include <vector>

class QImage;

namespace pictures {

// The colour table of one GIF, computed from all of its frames: their exact colours
// when there are few enough, else a median cut weighted by how often each colour
// occurs. Depends only on the pixels, never on hash or memory order, so the same
// frames always give the same table. Fully transparent pixels take no entry.
class Palette final
{
public:
    static Palette fromImages(const std::vector<QImage> &images, int maxColours = 256);

    const std::vector<QRgb> &colours() const { return m_colours; }
    // The entry nearest to a colour that occurs in the images the palette came from.
    std::uint8_t indexOf(QRgb colour) const;

private:
    std::vector<QRgb> m_colours;
    std::unordered_map<QRgb, std::uint8_t> m_index;
};

} // namespace pictures
