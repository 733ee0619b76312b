#pragma once

#include <QWidget>

// A designed line: drawn on its window between two points given in twips,
// in BorderColor (&HBBGGRR) and BorderWidth pixels. A level or upright line of
// width w covers the w pixel rows (or columns) that start at its coordinate,
// so two lines at the same place overlap on their first row. It takes no
// clicks, and a line drawn later lies on top.
class LineControl final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LineControl)

public:
    explicit LineControl(QWidget *parent = nullptr);
    ~LineControl() override;

    void setPoints(int x1, int y1, int x2, int y2);
    int X1() const { return m_x1; }
    int Y1() const { return m_y1; }
    int X2() const { return m_x2; }
    int Y2() const { return m_y2; }

    quint32 BorderColor() const { return m_borderColor; }
    void setBorderColor(quint32 bgr);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    int m_x1 = 0;
    int m_y1 = 0;
    int m_x2 = 0;
    int m_y2 = 0;
    quint32 m_borderColor = 0;
    int m_borderWidth = 1;
};
