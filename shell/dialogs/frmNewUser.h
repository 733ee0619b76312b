#pragma once

#include "platform/core/TwipsGeometry.h"
#include "platform/forms/Form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

class PasswordBox;

// Creates a user from the login dialog. The result is the Tag: "OK" once the
// user was added, "CANCEL" after Cancel, and as it was after the close box.
class frmNewUser final : public forms::Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmNewUser)

public:
    using TextBox = platform::TwipsGeometry<QLineEdit>;
    using Label = platform::TwipsGeometry<QLabel>;
    using CommandButton = platform::TwipsGeometry<QPushButton>;

    explicit frmNewUser(QWidget *parent = nullptr);
    ~frmNewUser() override;

    CommandButton *cmdOK;
    CommandButton *cmdCancel;
    TextBox *txtUserName;
    PasswordBox *txtPassword;
    std::array<Label *, 2> lblLabels;

    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void Form_Load() override;
};
