#include "shell/dialogs/frmLogin.h"

#include "platform/controls/LengthLimit.h"
#include "platform/controls/PasswordBox.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/CenterForm.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/Icons.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/dialogs/frmNewUser.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

namespace {

constexpr int UserNameMaxLength = 30;
constexpr int PasswordMaxLength = 12;

} // namespace

frmLogin::frmLogin(QWidget *parent)
    : Form(QStringLiteral("frmLogin"), parent)
    , txtUserName(new TextBox(this))
    , txtPassword(new PasswordBox(this))
    , cmdOK(new CommandButton(QStringLiteral("&OK"), this))
    , cmdCancel(new CommandButton(QStringLiteral("Canc&el"), this))
    , lblLabels{new Label(QStringLiteral("&User Name:"), this),
                new Label(QStringLiteral("&Password:"), this)}
    , cmdNew(new CommandButton(QStringLiteral("&New"), this))
{
    setCaption(QStringLiteral("Login"));
    setWindowIcon(resources::applicationIcon());
    setBorderStyle(forms::FixedDialog);
    setClientSize(5130, 1590);

    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    txtUserName->Move(1320, 120, 2325, 345);
    LengthLimit::install(*txtUserName, UserNameMaxLength);

    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->Move(1320, 525, 2325, 345);
    LengthLimit::install(*txtPassword, PasswordMaxLength);

    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->Move(3840, 120, 1140, 390);
    cmdOK->setDefault(true);
    setDefaultButton(cmdOK);

    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->Move(3840, 600, 1140, 390);
    setCancelButton(cmdCancel);

    lblLabels[0]->Move(105, 150, 1080, 270);
    lblLabels[0]->setBuddy(txtUserName);
    lblLabels[1]->Move(105, 540, 1080, 270);
    lblLabels[1]->setBuddy(txtPassword);

    cmdNew->setObjectName(QStringLiteral("cmdNew"));
    cmdNew->Move(3840, 1080, 1140, 390);
    cmdNew->setToolTip(QStringLiteral("Press this button if you want to create a new user"));

    setTabOrder(txtUserName, txtPassword);
    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdNew);
    txtUserName->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
    connect(cmdNew, &QPushButton::clicked, this, &frmLogin::cmdNew_Click);
}

frmLogin::~frmLogin() = default;

void frmLogin::Form_Load()
{
    forms::CenterForm(*this);
}

void frmLogin::cmdOK_Click()
{
    try {
        if (txtUserName->text().isEmpty()) {
            modMain::ShowMessageBox(this, resources::LoadResString(resources::str::BlankUserName),
                                    services::MessageBoxStyle::Exclamation);
            return;
        }
        // Neither text is trimmed: a name of blanks is a name.
        if (modMain::ValidateUser(txtUserName->text(), txtPassword->text()) == -1) {
            LoginSucceeded = true;
            Hide();
            return;
        }
        modErrors::ShowPendingMessage(this);
        // The learner types the password again over the old one.
        txtPassword->setFocus();
        txtPassword->home(false);
        txtPassword->end(true);
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
    }
}

void frmLogin::cmdCancel_Click()
{
    try {
        LoginSucceeded = false;
        Hide();
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
    }
}

void frmLogin::cmdNew_Click()
{
    try {
        // A new dialog each time, so a later New starts with empty boxes.
        frmNewUser newUser;
        newUser.Show(true, this);
        // The learner then types the new password here and presses OK.
        if (newUser.Tag() == QLatin1String("OK"))
            txtUserName->setText(newUser.txtUserName->text());
        newUser.Unload();
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
    }
}
