#pragma once

#include <QString>

// A program folder for the spelling window, made in folder: the content
// tool's letter pictures as the 34 keys, 60 words of six letters each (a
// study page shows 120 pictures), a pass mark of 8, and one learner at
// level 10. The words' recordings are not there; nothing waits for them.
void makeSpellingFolder(const QString &folder, const QString &userName);
