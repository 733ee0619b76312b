#pragma once

#include "course/coursegen/TsvFile.h"

#include <QString>

namespace coursegen {

// A say cell that stands for "spoken as it is written".
inline const QString AsWritten = QStringLiteral("-");

// What is wrong with a say text, or an empty string: the voice reads
// Gujarati, and espeak-ng's phoneme names between [[ and ]]. Anything else
// (Latin letters, digits, a bracket left open) it would read in English or
// spell out.
QString sayFault(const QString &say);

// The say text in `column` of `row`, checked (TableError "file:line:
// column: ..."). Where `written` is given, "-" stands for it.
QString spokenText(const TsvFile &file, const TsvRow &row, const QString &column,
                   const QString &written = {});

} // namespace coursegen
