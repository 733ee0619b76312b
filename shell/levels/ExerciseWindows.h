#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace levels {

class ExerciseForm;

// The seam between the dispatcher and the exercise windows, which the shell
// cannot name: each exercise library registers a factory for each of its
// form names from an explicit register function, called by the program's
// main and the test mains. A level whose window has no factory opens nothing.
using WindowFactory = std::function<std::unique_ptr<ExerciseForm>()>;

void registerWindow(const QString &formName, WindowFactory factory);
bool hasWindow(const QString &formName);
// A new, unloaded window; null when nothing is registered for the name.
std::unique_ptr<ExerciseForm> createWindow(const QString &formName);
// Forgets every factory (tests).
void clearWindows();

} // namespace levels
