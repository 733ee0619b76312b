#pragma once

#include <QFont>
#include <QString>

namespace controls {

// The font members the windows set one by one on a 3-D control: name, size in
// points, bold, italic. They live in the widget's own font.
template <typename Widget> class FontMembers : public Widget
{
public:
    using Widget::Widget;

    QString FontName() const { return this->font().family(); }
    void setFontName(const QString &name)
    {
        change([&](QFont &f) { f.setFamily(name); });
    }

    qreal FontSize() const { return this->font().pointSizeF(); }
    void setFontSize(qreal points)
    {
        change([&](QFont &f) { f.setPointSizeF(points); });
    }

    bool FontBold() const { return this->font().bold(); }
    void setFontBold(bool bold)
    {
        change([&](QFont &f) { f.setBold(bold); });
    }

    bool FontItalic() const { return this->font().italic(); }
    void setFontItalic(bool italic)
    {
        change([&](QFont &f) { f.setItalic(italic); });
    }

protected:
    // The font a control has before a window sets one.
    void setDesignFont()
    {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(8.25);
        this->setFont(f);
    }

private:
    template <typename Change> void change(Change &&apply)
    {
        QFont f = this->font();
        apply(f);
        this->setFont(f);
    }
};

} // namespace controls
