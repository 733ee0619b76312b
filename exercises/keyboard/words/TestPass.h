#pragma once

class QWidget;

namespace words {

// "You got 7 out of 10", with the information icon.
void showScore(QWidget *owner, int score, int questions);

// Stores the level after ownLevel for the learner, refreshes the menus and
// moves the level database on, while the stored level is still ownLevel and
// the learner is not practising an earlier level: a second pass in the same
// window would otherwise skip a level. Whether it stored; a store that
// failed is reported over owner at once.
bool storePass(QWidget *owner, int ownLevel);

} // namespace words
