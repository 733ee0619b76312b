#pragma once

#include "platform/services/Registry.h"

namespace services {

// This system keeps no such settings store: no key can be opened, so the
// about dialog reports system information as unavailable.
class EmptyRegistry final : public Registry
{
public:
    EmptyRegistry() = default;

    RegistryStatus OpenKey(RegistryRoot root, const QString &keyName, quint32 access,
                           RegistryKey &key) override;
    RegistryStatus QueryValue(RegistryKey key, const QString &valueName, int capacity,
                              RegistryValue &value) override;
    RegistryStatus CloseKey(RegistryKey key) override;
};

} // namespace services
