// The numbers window's number data: a number is named by its position in
// the level's range; its recording is the Words row of that position, its
// digits the WordLetter rows of the number itself.
#include "exercises/keyboard/numbers/frmLevel12.h"
#include "exercises/keyboard/words/WordData.h"
#include "exercises/keyboard/words/WordDraw.h"

#include <algorithm>

namespace {

constexpr int RangeSize = 20;

} // namespace

int frmLevel12::numberShift() const
{
    return rangeMode() ? RangeSize * (NumberStage - 1) : 0;
}

words::WordIds frmLevel12::soundIds() const
{
    return {1, rangeMode() ? RangeSize : MAX_WORDS};
}

words::WordIds frmLevel12::letterIds() const
{
    const words::WordIds places = soundIds();
    return {places.first + numberShift(), places.last + numberShift()};
}

std::vector<int> frmLevel12::GetWordLetters(int id)
{
    return words::GetWordLetters(this, m_test.levelDbPath(), id + numberShift());
}

QString frmLevel12::GetWordSoundFile(int id)
{
    return words::GetWordSoundFile(this, m_test.levelDbPath(), id);
}

// A digit that cannot be drawn ends its number there, its report pending.
void frmLevel12::ShowWordLetters(int id, int row)
{
    if (row < 0 || row >= StudyNumbers)
        return;
    words::drawKeys(picWord[std::size_t(row)], GetWordLetters(id), m_keyPictures,
                    words::AtFault::Stop);
}

void frmLevel12::PickStudyWords()
{
    if (!rangeMode())
        return;
    mintStudyWordIDs.resize(StudyNumbers);
    for (std::size_t i = 0; i < StudyNumbers; ++i)
        mintStudyWordIDs[i] = int(i) + 1;
    mstrStudySoundFiles.assign(StudyNumbers, QString());
}

void frmLevel12::LoadStudyWords()
{
    for (std::size_t i = 0; i < mintStudyWordIDs.size(); ++i) {
        ShowWordLetters(mintStudyWordIDs[i], int(i));
        mstrStudySoundFiles[i] = GetWordSoundFile(mintStudyWordIDs[i]);
    }
}

// A range has twenty numbers, whatever the pool was set to.
void frmLevel12::PickTestWords()
{
    const int pool = rangeMode() ? std::min(MAX_WORDS, RangeSize) : MAX_WORDS;
    mintTestUsed.assign(std::size_t(questionCount()), 0);
    mintTestPicks.assign(std::size_t(questionCount()), 0);
    for (int &position : mintTestPicks)
        position = words::drawUnused(pool, mintTestUsed);
}

int frmLevel12::questionPosition(int question) const
{
    const int drawn = mintTestPicks.at(std::size_t(question - 1));
    return rangeMode() ? mintStudyWordIDs.at(std::size_t(drawn - 1)) : drawn;
}

void frmLevel12::LoadCorrectAnswers()
{
    for (int q = 0; q < questionCount(); ++q)
        ShowWordLetters(questionPosition(q + 1), q + words::RowsPerColumn);
}
