#pragma once

#include <QString>

namespace services {

// The application title: every message box carries it.
inline QString AppTitle()
{
    return QStringLiteral("Ostrana");
}

} // namespace services
