#pragma once

#include "platform/core/TwipsGeometry.h"
#include "platform/forms/Form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

class PasswordBox;

// The login dialog that stands between start-up and the main window. Main
// shows it modally and, once it is hidden, reads LoginSucceeded and the
// name box.
class frmLogin final : public forms::Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLogin)

public:
    using TextBox = platform::TwipsGeometry<QLineEdit>;
    using Label = platform::TwipsGeometry<QLabel>;
    using CommandButton = platform::TwipsGeometry<QPushButton>;

    explicit frmLogin(QWidget *parent = nullptr);
    ~frmLogin() override;

    bool LoginSucceeded = false;

    TextBox *txtUserName;
    PasswordBox *txtPassword;
    CommandButton *cmdOK;
    CommandButton *cmdCancel;
    std::array<Label *, 2> lblLabels;
    CommandButton *cmdNew;

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdNew_Click();

protected:
    void Form_Load() override;
};
