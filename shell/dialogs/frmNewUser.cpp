#include "shell/dialogs/frmNewUser.h"

#include "platform/controls/LengthLimit.h"
#include "platform/controls/PasswordBox.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/CenterForm.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/Icons.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

namespace {

constexpr int UserNameMaxLength = 30;
constexpr int PasswordMaxLength = 12;

} // namespace

frmNewUser::frmNewUser(QWidget *parent)
    : Form(QStringLiteral("frmNewUser"), parent)
    , cmdOK(new CommandButton(QStringLiteral("OK"), this))
    , cmdCancel(new CommandButton(QStringLiteral("Cancel"), this))
    , txtUserName(new TextBox(this))
    , txtPassword(new PasswordBox(this))
    , lblLabels{new Label(QStringLiteral("&User Name:"), this),
                new Label(QStringLiteral("&Password:"), this)}
{
    setCaption(QStringLiteral("Create a New User"));
    setWindowIcon(resources::applicationIcon());
    setBorderStyle(forms::Sizable);
    setMinButton(true);
    setMaxButton(false);
    setClientSize(5190, 1095);

    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->Move(3960, 120, 1140, 390);
    cmdOK->setDefault(true);
    setDefaultButton(cmdOK);

    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->Move(3960, 600, 1140, 390);
    setCancelButton(cmdCancel);

    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    txtUserName->Move(1335, 120, 2325, 345);
    LengthLimit::install(*txtUserName, UserNameMaxLength);

    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->Move(1335, 525, 2325, 345);
    LengthLimit::install(*txtPassword, PasswordMaxLength);

    lblLabels[0]->Move(120, 150, 1080, 270);
    lblLabels[0]->setBuddy(txtUserName);
    lblLabels[1]->Move(120, 540, 1080, 270);
    lblLabels[1]->setBuddy(txtPassword);

    // OK comes first in the tab order, so the dialog opens with the focus on it.
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, txtUserName);
    setTabOrder(txtUserName, txtPassword);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmNewUser::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNewUser::cmdCancel_Click);
}

frmNewUser::~frmNewUser() = default;

void frmNewUser::Form_Load()
{
    forms::CenterForm(*this);
}

void frmNewUser::cmdOK_Click()
{
    try {
        if (txtUserName->text().isEmpty()) {
            modMain::ShowMessageBox(this, resources::LoadResString(resources::str::BlankUserName),
                                    services::MessageBoxStyle::Exclamation);
            return;
        }
        if (modMain::AddUser(txtUserName->text(), txtPassword->text()) == -1) {
            setTag(QStringLiteral("OK"));
            Hide();
            return;
        }
        modErrors::ShowPendingMessage(this);
        txtUserName->clear();
        txtPassword->clear();
        txtUserName->setFocus();
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
    }
}

void frmNewUser::cmdCancel_Click()
{
    setTag(QStringLiteral("CANCEL"));
    Hide();
}
