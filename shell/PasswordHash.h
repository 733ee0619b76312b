#pragma once

#include <QString>

// Passwords are kept as salted, deliberately slow hashes, never as typed.
namespace passwords {

// The stored form of a password ("$argon2id$..."). Raises a run-time error
// when the hash cannot be made (out of memory).
QString hash(const QString &password);

// Whether stored has the form of a password hash ("$argon2..."), ours or not;
// such a text is never taken for a password kept as typed.
bool isHash(const QString &stored);

// Whether password is the one stored. A stored text that is no hash of ours
// matches nothing, nor does a hash that asks for more memory or passes than
// the program's own cost, or more than one lane: checking it could hold the
// login for minutes or exhaust the memory.
bool matches(const QString &stored, const QString &password);

// Tests only: the cheapest cost the library allows, so a test can make many
// users quickly. Hashes made this way still verify at any setting.
void setCheapHashingForTests(bool cheap);

} // namespace passwords
