#include "platform/core/RuntimeError.h"

namespace platform {

RuntimeError::RuntimeError(int number, const QString &description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
{}

QString RuntimeError::report() const
{
    return QStringLiteral("Error No=") + QString::number(m_number) + QChar(u'\r') +
           QStringLiteral("Error Description=") + m_description;
}

QString RuntimeError::describe(int number)
{
    switch (number) {
    case err::Overflow:
        return QStringLiteral("Overflow");
    case err::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case err::FileNotFound:
        return QStringLiteral("File not found");
    case err::InvalidUseOfNull:
        return QStringLiteral("Invalid use of Null");
    case err::ObjectNotSet:
        return QStringLiteral("Object variable or With block variable not set");
    case err::NoCurrentRecord:
        return QStringLiteral("Either BOF or EOF is True, or the current record has been "
                              "deleted. Requested operation requires a current record.");
    case err::ObjectClosed:
        return QStringLiteral("Operation is not allowed when the object is closed.");
    case err::ItemNotFound:
        return QStringLiteral(
            "Item cannot be found in the collection corresponding to the requested name or "
            "ordinal.");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

void raise(int number)
{
    throw RuntimeError(number, RuntimeError::describe(number));
}

void raise(int number, const QString &description)
{
    throw RuntimeError(number, description);
}

} // namespace platform
