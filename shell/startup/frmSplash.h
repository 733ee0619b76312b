#pragma once

#include "platform/core/TwipsGeometry.h"
#include "platform/forms/Form.h"

#include <QLabel>
#include <QSize>

// The picture that stands on screen while the program starts and the login
// dialog is open. Loading it sizes and centres it; the main window is built
// behind it and the login (modMain::Main).
class frmSplash final : public forms::Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSplash)

public:
    using Image = platform::TwipsGeometry<QLabel>;

    explicit frmSplash(QWidget *parent = nullptr);
    ~frmSplash() override;

    Image *imgSplash;

    // The window's outer size in twips (width, height) for a screen-size code
    // and a screen size in twips.
    static QSize splashSizeFor(int screenCode, int screenWidth, int screenHeight);

    // The picture the splash shows: "\pictures\splash.png" of the program
    // folder when there is one, else one drawn for the given size in pixels.
    static QPixmap splashPicture(const QSize &size);

protected:
    void Form_Load() override;

private:
    void SizeSplashToScreen();
};
