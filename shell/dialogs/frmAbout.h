#pragma once

#include "platform/core/TwipsGeometry.h"
#include "platform/forms/Form.h"
#include "platform/services/Registry.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

class LineControl;

// Help > About: the product name, the version, a description with credits,
// the legal notice, and a button that starts the system information tool.
class frmAbout final : public forms::Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    using Label = platform::TwipsGeometry<QLabel>;
    using TextBox = platform::TwipsGeometry<QPlainTextEdit>;
    using CommandButton = platform::TwipsGeometry<QPushButton>;

    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

    Label *picIcon;
    Label *lblTitle;
    Label *lblVersion;
    TextBox *txtDescription;
    std::array<LineControl *, 2> Line1;
    Label *lblDisclaimer;
    CommandButton *cmdOK;
    CommandButton *cmdSysInfo;

    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Starts the system information tool where the registry says it lies;
    // tells the learner it is unavailable when it cannot be started.
    void StartSysInfo();

    // Reads value SubKeyRef of key KeyName under KeyRoot into KeyVal. Text
    // comes as stored, without its final NUL; a DWORD as "&h" and its bytes
    // from the last to the first, each in hexadecimal without leading zeros
    // (appended to what KeyVal held). Other types leave KeyVal as it was.
    // False, with KeyVal empty, when the key or the value cannot be read.
    bool GetKeyValue(services::RegistryRoot KeyRoot, const QString &KeyName,
                     const QString &SubKeyRef, QString &KeyVal);

    // The description, lines separated by CR LF.
    static QString DescriptionText();
    static QString VersionText();

protected:
    void Form_Load() override;

private:
    void CenterAboutForm();
};
