#pragma once

#include <QString>

// A program folder for the numbers window, made in folder: digit keys drawn
// from a Gujarati font, levels 15 to 20 with their numbers keyed as the
// course keys them (Words by place in the range, WordLetter by the number),
// a pass mark of 7, and one learner at `level`. The recordings are not
// there; nothing waits for them.
void makeNumbersFolder(const QString &folder, const QString &userName, int level);
