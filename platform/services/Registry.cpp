#include "platform/services/Registry.h"

#include "platform/services/EmptyRegistry.h"

namespace services {
namespace {

Registry *&replacement()
{
    static Registry *current = nullptr;
    return current;
}

} // namespace

Registry &registry()
{
    static EmptyRegistry system;
    return replacement() != nullptr ? *replacement() : system;
}

Registry *setRegistry(Registry *registry)
{
    Registry *previous = replacement();
    replacement() = registry;
    return previous;
}

} // namespace services
