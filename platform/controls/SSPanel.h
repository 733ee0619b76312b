#pragma once

#include "platform/controls/FontMembers.h"
#include "platform/core/TwipsGeometry.h"

#include <QWidget>

namespace controls {

// A 3-D panel: a face in BackColor framed by up to three bevels, from the
// outside in: BevelOuter, BevelSecond right inside it, and BevelInner after a
// gap of BorderWidth pixels. Each is 0 (none), 1 (inset) or 2 (raised). The
// caption is centred on the face. A panel is a container: controls placed on
// it are shown and hidden with it.
class SSPanel final : public FontMembers<platform::TwipsGeometry<QWidget>>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SSPanel)

public:
    explicit SSPanel(QWidget *parent = nullptr);
    ~SSPanel() override;

    // With the font name "Sarvik" the caption is key text: it reads back as
    // set, and the panel shows its Gujarati letters.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    int BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(int style);
    int BevelSecond() const { return m_bevelSecond; }
    void setBevelSecond(int style);
    int BevelInner() const { return m_bevelInner; }
    void setBevelInner(int style);
    // Pixels.
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int pixels);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);

    // &HBBGGRR.
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 bgr);
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 bgr);

    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // Paints at once, so a change shows before the caller blocks.
    void Refresh() { repaint(); }

    // The text as drawn: the caption, or its Gujarati letters under the key font.
    QString shownText() const;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    QString m_tag;
    int m_bevelOuter = 2;
    int m_bevelSecond = 0;
    int m_bevelInner = 0;
    int m_bevelWidth = 1;
    int m_borderWidth = 3;
    quint32 m_backColor = 0xC8D0D4;
    quint32 m_foreColor = 0x000000;
    bool m_pressed = false;
};

} // namespace controls
