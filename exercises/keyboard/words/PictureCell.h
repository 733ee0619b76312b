#pragma once

#include "platform/core/TwipsGeometry.h"

#include <QLabel>
#include <QString>

namespace words {

// A letter cell of a word row or of the typing cells: a picture stretched to
// the cell, and the letter's key number as decimal text in Tag ("" when
// empty).
class PictureCell final : public platform::TwipsGeometry<QLabel>
{
    Q_DISABLE_COPY_MOVE(PictureCell)

public:
    explicit PictureCell(QWidget *parent)
        : TwipsGeometry(parent)
    {
        setScaledContents(true);
    }

    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // Picture removed, Tag "".
    void empty()
    {
        clear();
        m_tag.clear();
    }

private:
    QString m_tag;
};

} // namespace words
