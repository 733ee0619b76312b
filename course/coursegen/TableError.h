#pragma once

#include <QString>

#include <stdexcept>

namespace coursegen {

// A fault in the course tables, told the way compilers do so that editors can
// jump to it: "consonants.tsv:12: expected 8 columns, found 7". A line of 0
// means the file as a whole (a missing file, a wrong row count).
class TableError final : public std::runtime_error
{
public:
    TableError(const QString &file, int line, const QString &fault);

    QString file() const { return m_file; }
    int line() const noexcept { return m_line; }
    QString fault() const { return m_fault; }
    QString message() const;

private:
    QString m_file;
    int m_line;
    QString m_fault;
};

} // namespace coursegen
