#pragma once

#include "platform/core/TwipsGeometry.h"

#include <QPixmap>
#include <QWidget>

// A picture box of the letter lesson: a background colour, a picture drawn at its
// top-left corner, and the drawing width that the learner's strokes will use.
class TracingBox final : public platform::TwipsGeometry<QWidget>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TracingBox)

public:
    explicit TracingBox(QWidget *parent = nullptr);
    ~TracingBox() override;

    // &HBBGGRR
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 bgr);

    // Pixels.
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }

    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    quint32 m_backColor = 0xFFFFFF;
    int m_drawWidth = 1;
};
