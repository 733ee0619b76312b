#pragma once

#include "course/coursegen/LevelContent.h"

#include <QString>

// The databases of the program folder, written the safe way.
namespace coursegen::databases {

// Builds the level's database beside its place and renames it over the old
// one, so a reader sees the old file or the new one, never half of either.
void writeLevel(const LevelContent &content, const QString &file);

// The users database holds the learners' names and levels: it is made when
// it is missing and otherwise never touched. An existing file whose
// UserDetails table is not the one the program reads is refused with
// std::runtime_error, and still left as it is.
enum class UsersFile
{
    Created,
    Kept
};
UsersFile ensureUsers(const QString &file);

// Whether the file has the UserDetails table with the columns and types the
// program reads.
bool hasUsersTable(const QString &file);

} // namespace coursegen::databases
