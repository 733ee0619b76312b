#pragma once

#include <QObject>

class QWidget;

// The mouse events of a designed image control, which a QLabel does not
// raise: MouseDown and MouseUp for any button, and Click when the left
// button is released over the image it went down on. The events stop here,
// so the container under the image does not take them as its own.
class ImageEvents final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImageEvents)

public:
    // Watches image for as long as both live.
    explicit ImageEvents(QWidget *image);
    ~ImageEvents() override;

signals:
    void MouseDown();
    void MouseUp();
    void Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_image;
    bool m_leftDown = false;
};
