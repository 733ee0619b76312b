#pragma once

class QWidget;

// A left click in the middle of `widget`, queued as the window system queues
// a learner's click: the event loop delivers it, after whatever input came
// before it, when it next lets input in. (Qt Test's widget clicks are
// delivered at once, past any loop that holds input back.)
void postClick(QWidget &widget);

// The window system tells the program that it minimised `window`, as it does
// when the learner clicks the minimise box of its title bar.
void reportMinimised(QWidget &window);
