// The spelling window's word rows: drawing words into rows of letter
// pictures, and the random choice of study and test words.
#include "exercises/keyboard/spelling/frmLevel10.h"
#include "exercises/keyboard/words/WordData.h"
#include "exercises/keyboard/words/WordDraw.h"

QString frmLevel10::GetWordSoundFile(int wordId)
{
    return words::GetWordSoundFile(this, m_test.levelDbPath(), wordId);
}

// Each letter keeps its key number even when its picture fails, so the
// word is still marked right when typed right. Letters beyond the sixth
// have no cell.
void frmLevel10::ShowWordLetters(int wordId, int rowIndex)
{
    if (rowIndex < 0 || rowIndex >= StudyWords)
        return;
    words::drawKeys(picWord[std::size_t(rowIndex)],
                    words::GetWordLetters(this, m_test.levelDbPath(), wordId), m_keyPictures,
                    words::AtFault::KeepGoing);
}

void frmLevel10::PickStudyWords()
{
    mintPoolUsed.assign(std::size_t(mlngWordPoolSize), 0);
    mintStudyWordIDs.assign(StudyWords, 0);
    mstrStudySoundFiles.assign(StudyWords, QString());
    for (int &wordId : mintStudyWordIDs)
        wordId = words::drawUnused(mlngWordPoolSize, mintPoolUsed);
}

void frmLevel10::LoadStudyWords()
{
    for (std::size_t i = 0; i < StudyWords; ++i) {
        ShowWordLetters(mintStudyWordIDs[i], int(i));
        mstrStudySoundFiles[i] = GetWordSoundFile(mintStudyWordIDs[i]);
    }
}

void frmLevel10::PickTestWords()
{
    mintTestUsed.assign(Questions, 0);
    mintTestPicks.assign(Questions, 0);
    for (int &position : mintTestPicks)
        position = words::drawUnused(StudyWords, mintTestUsed);
}

void frmLevel10::LoadCorrectAnswers()
{
    for (int i = 0; i < Questions; ++i)
        ShowWordLetters(questionWordId(i + 1), i + Questions);
}
