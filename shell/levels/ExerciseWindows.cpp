#include "shell/levels/ExerciseWindows.h"

#include "shell/levels/ExerciseForm.h"

#include <QHash>

namespace levels {
namespace {

QHash<QString, WindowFactory> &factories()
{
    static QHash<QString, WindowFactory> registered;
    return registered;
}

} // namespace

void registerWindow(const QString &formName, WindowFactory factory)
{
    factories().insert(formName, std::move(factory));
}

bool hasWindow(const QString &formName)
{
    return factories().contains(formName);
}

std::unique_ptr<ExerciseForm> createWindow(const QString &formName)
{
    const auto factory = factories().constFind(formName);
    if (factory == factories().constEnd() || !*factory)
        return nullptr;
    return (*factory)();
}

void clearWindows()
{
    factories().clear();
}

} // namespace levels
