#pragma once

#include <QString>

class TempProgramFolder;

// A level database of letters 1..count in the program folder, each with a
// small picture of its own and a pronunciation that names level and letter.
void addLessonLetters(TempProgramFolder &folder, int level, int count = 2);

QString lessonPronunciation(int level, int letter);

// The information screen's logo and corner hint, as animations that run.
void addInformationAnimations(TempProgramFolder &folder);
