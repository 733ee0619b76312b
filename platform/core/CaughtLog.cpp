#include "platform/core/CaughtLog.h"

#include "platform/core/RuntimeError.h"

#include <QLoggingCategory>

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace platform {
namespace {

// A category lives as long as the program: Qt keeps a pointer to each.
const QLoggingCategory &category(const char *name)
{
    static std::mutex guard;
    static std::map<std::string, std::unique_ptr<QLoggingCategory>> made;
    const std::lock_guard<std::mutex> lock(guard);
    std::unique_ptr<QLoggingCategory> &entry = made[name];
    if (!entry)
        entry = std::make_unique<QLoggingCategory>(name, QtWarningMsg);
    return *entry;
}

} // namespace

void logCaught(const char *name, const RuntimeError &error)
{
    qCWarning(category(name)).noquote()
        << "caught error" << error.number() << QStringLiteral("\"%1\"").arg(error.description());
}

void logCaught(const char *name, const std::exception &error)
{
    qCWarning(category(name)).noquote() << "caught" << QString::fromLocal8Bit(error.what());
}

} // namespace platform
