#include "shell/PasswordHash.h"

#include "platform/core/RuntimeError.h"

#include <QByteArray>

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
        platform::raise(7, QStringLiteral("Out of memory"));
    }
    return QString::fromLatin1(stored);
}

bool matches(const QString &stored, const QString &password)
{
    initialiseOnce();
    const QByteArray storedText = stored.toLatin1();
    if (storedText.isEmpty() || storedText.size() >= crypto_pwhash_STRBYTES)
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
