#pragma once

#include <QSize>

#include <stdexcept>
#include <string>

namespace pictures {

inline void requireSize(QSize size, const char *what)
{
    if (size.width() < 1 || size.height() < 1 || size.width() > 4096 || size.height() > 4096)
        throw std::runtime_error(std::string(what) + ": size " + std::to_string(size.width()) +
                                 " x " + std::to_string(size.height()) + " is not usable");
}

} // namespace pictures
