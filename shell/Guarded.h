#pragma once

#include "platform/core/RuntimeError.h"
#include "shell/modErrors.h"

#include <exception>
#include <utility>

// Runs a guarded procedure: a run-time error ends it at the step where it
// happened, and its report waits in the pending message; nothing is shown.
template <typename Steps> void guarded(Steps &&steps)
{
    try {
        steps();
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
    }
}

// As guarded, and onError then tidies up what the ended procedure left behind
// (the hourglass of a move, for one).
template <typename Steps, typename OnError> void guarded(Steps &&steps, OnError &&onError)
{
    try {
        steps();
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
        onError();
    }
}

// For an event handler that may run inside a nested event loop: as guarded,
// and no other C++ exception gets out into the loop either.
template <typename Steps> void handled(Steps &&steps)
{
    try {
        guarded(std::forward<Steps>(steps));
    } catch (const std::exception &error) {
        platform::logCaught(OSTRANA_LOG_CATEGORY, error);
        modErrors::gErrMsg = QString::fromLocal8Bit(error.what());
    }
}
