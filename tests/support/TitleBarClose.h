#pragma once

class QWidget;

// Delivers what the window system sends when the learner presses the close
// box in the title bar: a spontaneous close event (QWidget::close() sends one
// that counts as the program's own).
void closeFromTitleBar(QWidget &window);
