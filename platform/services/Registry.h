#pragma once

#include <QByteArray>
#include <QString>

namespace services {

enum class RegistryRoot
{
    ClassesRoot,
    CurrentUser,
    LocalMachine,
    Users,
    CurrentConfig
};

// The type a stored value declares; the numbers are the stored ones.
enum class RegistryType : quint32
{
    None = 0,
    Text = 1,
    ExpandableText = 2,
    Binary = 3,
    Dword = 4, // four bytes, least significant first
    MultiText = 7,
};

enum class RegistryStatus
{
    Success = 0,
    NotFound = 2,
    AccessDenied = 5,
    InvalidHandle = 6,
    MoreData = 234, // the value is larger than the room offered
};

// An open key; 0 is none.
using RegistryKey = quintptr;

struct RegistryValue
{
    RegistryType type = RegistryType::None;
    QByteArray data; // as stored: text in 8 bits, usually with its final NUL
};

// The system's settings store, read only. The program reads one thing from
// it (where the system information tool lies); decoding a value is the
// reader's business, so the value comes back raw.
class Registry
{
public:
    Registry() = default;
    virtual ~Registry() = default;
    Q_DISABLE_COPY_MOVE(Registry)

    // Opens keyName ("A\B\C", letter case ignored) under root. On failure
    // key is 0.
    virtual RegistryStatus OpenKey(RegistryRoot root, const QString &keyName, quint32 access,
                                   RegistryKey &key) = 0;
    // Reads a value of an open key into value, offering room for capacity
    // bytes; a larger value gives MoreData and an empty value.data.
    virtual RegistryStatus QueryValue(RegistryKey key, const QString &valueName, int capacity,
                                      RegistryValue &value) = 0;
    // Closing 0 or a key that is not open gives InvalidHandle and is harmless.
    virtual RegistryStatus CloseKey(RegistryKey key) = 0;
};

// The registry in use: on this system one without keys, unless a test put
// another in its place.
Registry &registry();
// nullptr restores the system's own. Returns the one it replaced (nullptr
// for the system's own). The caller keeps ownership.
Registry *setRegistry(Registry *replacement);

} // namespace services
