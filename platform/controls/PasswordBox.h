#pragma once

#include "platform/core/TwipsGeometry.h"

#include <QLineEdit>

// A text box for a password: one "*" shown for each character typed, and no
// input method, so nothing composes or remembers what is typed.
class PasswordBox final : public platform::TwipsGeometry<QLineEdit>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PasswordBox)

public:
    explicit PasswordBox(QWidget *parent = nullptr);
    ~PasswordBox() override;
};
