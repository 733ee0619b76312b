#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

// For the screenshot tools, run under a real window system.
namespace shots {

// Runs the event loop for that long.
void waitFor(int milliseconds);
// The whole screen, so that windows beside the one shown and message boxes
// show too; the file's name goes to standard output.
void saveScreen(const QString &file);
// A left click in the middle of a widget that takes clicks by mouse events.
void clickImage(QWidget *image);
// Clicks the marking button, takes `out`-3-score.png of the score box a
// second later and closes it, then takes `out`-4-marked.png.
void markAndShoot(QAbstractButton *mark, const QString &out);

} // namespace shots
