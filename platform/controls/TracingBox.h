#pragma once

#include "platform/core/TwipsGeometry.h"

#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QWidget>

// A picture box of the letter lesson: a background colour, a picture stretched
// over the box, and over it the learner's strokes, drawn with DrawWidth in
// ForeColor. Coordinates are in twips, as the box's mouse events report them.
// The strokes stay until Cls or a new picture; they survive repaints and a
// change of the box's size.
class TracingBox final : public platform::TwipsGeometry<QWidget>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TracingBox)

public:
    // Mouse buttons as the events report them; several held add up.
    static constexpr int LeftButton = 1;
    static constexpr int RightButton = 2;
    static constexpr int MiddleButton = 4;

    explicit TracingBox(QWidget *parent = nullptr);
    ~TracingBox() override;

    // &HBBGGRR
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 bgr);
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 bgr) { m_foreColor = bgr & 0xFFFFFF; }

    // Pixels.
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }

    // A new picture is a fresh sheet: the strokes on the old one go with it.
    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    // The drawing position, in twips; PSet and Line move it to their point.
    float CurrentX() const { return m_current.x(); }
    float CurrentY() const { return m_current.y(); }

    // A dot of DrawWidth at (X, Y).
    void PSet(float X, float Y);
    // A line from the drawing position to (X, Y).
    void Line(float X, float Y);
    // Clears the strokes; the picture stays.
    void Cls();

    // The strokes alone, transparent where nothing is drawn.
    QImage strokes() const { return m_strokes; }

signals:
    // Button: the button pressed; X, Y in twips.
    void MouseDown(int Button, int Shift, float X, float Y);
    // Button: the buttons held.
    void MouseMove(int Button, int Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPen pen() const;

    QPixmap m_picture;
    QImage m_strokes;
    QPointF m_current; // twips
    quint32 m_backColor = 0xFFFFFF;
    quint32 m_foreColor = 0x000000;
    int m_drawWidth = 1;
};
