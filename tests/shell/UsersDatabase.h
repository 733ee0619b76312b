#pragma once

#include "tests/support/TempProgramFolder.h"

#include <QString>

#include <memory>

// A program folder of its own with the users database open, as after
// start-up, holding the users a test adds. Clears the module state on both
// ends.
class UsersDatabase final
{
public:
    UsersDatabase();
    ~UsersDatabase();
    Q_DISABLE_COPY_MOVE(UsersDatabase)

    void addUser(const QString &name, const QString &password);
    const TempProgramFolder &folder() const { return m_folder; }

private:
    TempProgramFolder m_folder;
};
