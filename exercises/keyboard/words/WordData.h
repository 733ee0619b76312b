#pragma once

#include <QString>

#include <vector>

class QWidget;

// The words (or numbers) of a level database: the Words and WordLetter
// tables.
// Each read opens and closes a connection of its own. A word without rows is
// missing level data: string 110 is shown over owner and the program ends. A
// read that fails leaves its report in the pending message and gives ""
// or no letters.
namespace words {

// The program folder joined directly with the word's WordSoundFile; "" when
// the word has more than one row.
QString GetWordSoundFile(QWidget *owner, const QString &levelDbPath, int wordId);

// The key numbers of the word's letters (a number's digits), in Id order.
std::vector<int> GetWordLetters(QWidget *owner, const QString &levelDbPath, int wordId);

} // namespace words
