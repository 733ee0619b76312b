#include "platform/services/EmptyRegistry.h"

namespace services {

RegistryStatus EmptyRegistry::OpenKey(RegistryRoot, const QString &, quint32, RegistryKey &key)
{
    key = 0;
    return RegistryStatus::NotFound;
}

RegistryStatus EmptyRegistry::QueryValue(RegistryKey, const QString &, int, RegistryValue &value)
{
    value = RegistryValue();
    return RegistryStatus::InvalidHandle;
}

RegistryStatus EmptyRegistry::CloseKey(RegistryKey)
{
    return RegistryStatus::InvalidHandle;
}

} // namespace services
