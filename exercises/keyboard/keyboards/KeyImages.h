#pragma once

#include <QPixmap>
#include <QString>

namespace keyboards {

// The key images that a key loader fills: a picture and a tag (the key's own
// index as text) each.
class KeyImages
{
public:
    virtual int keyCount() const = 0;
    virtual void setKeyPicture(int key, const QPixmap &picture) = 0;
    virtual void setKeyTag(int key, const QString &tag) = 0;

protected:
    KeyImages() = default;
    ~KeyImages() = default;
    KeyImages(const KeyImages &) = default;
    KeyImages &operator=(const KeyImages &) = default;
};

} // namespace keyboards
