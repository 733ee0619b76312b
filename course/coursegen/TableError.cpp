#include "course/coursegen/TableError.h"

namespace coursegen {
namespace {

QString compose(const QString &file, int line, const QString &fault)
{
    if (line > 0)
        return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(fault);
    return QStringLiteral("%1: %2").arg(file, fault);
}

} // namespace

TableError::TableError(const QString &file, int line, const QString &fault)
    : std::runtime_error(compose(file, line, fault).toStdString())
    , m_file(file)
    , m_line(line)
    , m_fault(fault)
{}

QString TableError::message() const
{
    return compose(m_file, m_line, m_fault);
}

} // namespace coursegen
