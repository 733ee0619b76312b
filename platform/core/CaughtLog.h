#pragma once

#include <QString>

#include <exception>

// Every library is built with OSTRANA_LOG_CATEGORY naming its own logging
// category ("ostrana.shell", "ostrana.exercises.keyboard", ...), so a default
// argument of OSTRANA_LOG_CATEGORY names the layer of the caller.
#ifndef OSTRANA_LOG_CATEGORY
#define OSTRANA_LOG_CATEGORY "ostrana"
#endif

namespace platform {

class RuntimeError;

// A failure the program caught and went on from, written as a warning of the
// category to standard error, for a maintainer; the learner sees only what
// the course shows.
void logCaught(const char *category, const RuntimeError &error);
void logCaught(const char *category, const std::exception &error);

} // namespace platform
