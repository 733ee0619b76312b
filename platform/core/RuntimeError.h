#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// The error numbers the course reports to the learner, as the classic run
// time numbered them.
namespace err {
constexpr int InvalidProcedureCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int InvalidUseOfNull = 94;
constexpr int ObjectNotSet = 91;
constexpr int ObjectWasUnloaded = 364;
constexpr int InvalidPropertyValue = 380;
constexpr int AlreadyDisplayed = 400;
constexpr int InvalidPicture = 481;
constexpr int NoCurrentRecord = 3021;
constexpr int NotUpdatable = 3251;
constexpr int ObjectClosed = 3704;
constexpr int AlreadyOpen = 3705;
constexpr int ConnectionUnusable = 3709;
constexpr int ItemNotFound = 3265;
// A failure reported by the database engine itself (a refused row, a bad query).
constexpr int DatabaseError = -2147467259;
} // namespace err

// A run-time error with a number and a description. Guarded procedures turn
// it into the error report that the login dialogs show.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const QString &description);

    int number() const noexcept { return m_number; }
    QString description() const { return m_description; }

    // "Error No=<number>\rError Description=<description>": one carriage
    // return and nothing else between the two parts.
    QString report() const;

    static QString describe(int number);

private:
    int m_number;
    QString m_description;
};

// Raises the run time's own description for a known number.
[[noreturn]] void raise(int number);
[[noreturn]] void raise(int number, const QString &description);

} // namespace platform
