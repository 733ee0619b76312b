#include "shell/PasswordHash.h"

#include "platform/core/RuntimeError.h"

#include <QByteArray>
#include <QRegularExpression>

#include <sodium.h>

namespace passwords {
namespace {

bool cheapForTests = false;

void initialiseOnce()
{
    static const int status = sodium_init(); // 1 when already done: also fine
    if (status < 0)
        platform::raise(platform::err::DatabaseError,
                        QStringLiteral("The password library could not be started."));
}

// The cost a stored hash states, checked before it is verified: libsodium
// would spend whatever the text asks for. Cheap test hashes stay within it.
bool withinOwnCost(const QByteArray &stored)
{
    static const QRegularExpression parameters(
        QStringLiteral("^\\$argon2id\\$v=19\\$m=(\\d{1,10}),t=(\\d{1,10}),p=(\\d{1,3})\\$"));
    const QRegularExpressionMatch match = parameters.match(QString::fromLatin1(stored));
    if (!match.hasMatch())
        return false;
    const unsigned long long memoryKiB = match.captured(1).toULongLong();
    const unsigned long long passes = match.captured(2).toULongLong();
    const unsigned long long lanes = match.captured(3).toULongLong();
    return memoryKiB * 1024 <= crypto_pwhash_MEMLIMIT_INTERACTIVE &&
           passes <= crypto_pwhash_OPSLIMIT_INTERACTIVE && lanes == 1;
}

} // namespace

QString hash(const QString &password)
{
    initialiseOnce();
    // The interactive cost takes a fraction of a second and 64 MiB on an
    // ordinary family PC: unnoticed at login, costly for a guesser.
    const unsigned long long opsLimit =
        cheapForTests ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE;
    const size_t memLimit =
        cheapForTests ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE;

    const QByteArray utf8 = password.toUtf8();
    char stored[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(stored, utf8.constData(), static_cast<unsigned long long>(utf8.size()),
                          opsLimit, memLimit) != 0) {
        platform::raise(platform::err::OutOfMemory, QStringLiteral("Out of memory"));
    }
    return QString::fromLatin1(stored);
}

bool isHash(const QString &stored)
{
    return stored.startsWith(QLatin1String("$argon2"));
}

bool matches(const QString &stored, const QString &password)
{
    initialiseOnce();
    const QByteArray storedText = stored.toLatin1();
    if (storedText.isEmpty() || storedText.size() >= crypto_pwhash_STRBYTES ||
        !withinOwnCost(storedText))
        return false;
    const QByteArray utf8 = password.toUtf8();
    return crypto_pwhash_str_verify(storedText.constData(), utf8.constData(),
                                    static_cast<unsigned long long>(utf8.size())) == 0;
}

void setCheapHashingForTests(bool cheap)
{
    cheapForTests = cheap;
}

} // namespace passwords
