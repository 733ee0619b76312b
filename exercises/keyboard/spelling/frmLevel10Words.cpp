// The spelling window's word rows: drawing words into rows of letter
// pictures, and the random choice of study and test words.
#include "exercises/keyboard/spelling/PictureCell.h"
#include "exercises/keyboard/spelling/WordData.h"
#include "exercises/keyboard/spelling/WordDraw.h"
#include "exercises/keyboard/spelling/frmLevel10.h"
#include "platform/controls/LoadPicture.h"
#include "platform/core/RuntimeError.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

QString frmLevel10::GetWordSoundFile(int wordId)
{
    return spelling::GetWordSoundFile(this, m_levelDbPath, wordId);
}

// Loaded once per key: a study page shows up to 120 letters of 34 keys. A
// picture that cannot be loaded leaves its cell blank, its report pending,
// and is tried again next time.
QPixmap frmLevel10::letterPicture(int keyNumber)
{
    const auto known = m_letterPictures.find(keyNumber);
    if (known != m_letterPictures.end())
        return known->second;
    try {
        if (keyNumber < 1 || keyNumber > modMain::gKeyboardCharCount ||
            std::size_t(keyNumber) >= modMain::gKeyboardChars.size())
            throw platform::RuntimeError(platform::err::SubscriptOutOfRange,
                                         QStringLiteral("Subscript out of range"));
        const QPixmap picture =
            LoadPicture(modMain::gKeyboardChars[std::size_t(keyNumber)].LetterPicture);
        m_letterPictures.emplace(keyNumber, picture);
        return picture;
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
    }
    return {};
}

// Each letter keeps its key number even when its picture fails, so the
// word is still marked right when typed right. Letters beyond the sixth
// have no cell.
void frmLevel10::ShowWordLetters(int wordId, int rowIndex)
{
    if (rowIndex < 0 || rowIndex >= StudyWords)
        return;
    const std::vector<int> letters = spelling::GetWordLetters(this, m_levelDbPath, wordId);
    Row &row = picWord[std::size_t(rowIndex)];
    for (std::size_t i = 0; i < letters.size() && i < row.size(); ++i) {
        row[i]->empty();
        row[i]->setTag(QString::number(letters[i]));
        row[i]->setPixmap(letterPicture(letters[i]));
    }
}

void frmLevel10::ClearAllWords()
{
    for (Row &row : picWord) {
        for (spelling::PictureCell *cell : row)
            cell->empty();
    }
}

void frmLevel10::ShowCorrectWords(bool flag)
{
    for (std::size_t r = Questions; r < StudyWords; ++r) {
        for (spelling::PictureCell *cell : picWord[r])
            cell->setVisible(flag);
    }
}

void frmLevel10::PickStudyWords()
{
    mintPoolUsed.assign(std::size_t(mlngWordPoolSize), 0);
    mintStudyWordIDs.assign(StudyWords, 0);
    mstrStudySoundFiles.assign(StudyWords, QString());
    for (int &wordId : mintStudyWordIDs)
        wordId = spelling::drawUnused(mlngWordPoolSize, mintPoolUsed);
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
        position = spelling::drawUnused(StudyWords, mintTestUsed);
}

void frmLevel10::LoadCorrectAnswers()
{
    for (int i = 0; i < Questions; ++i)
        ShowWordLetters(questionWordId(i + 1), i + Questions);
}
