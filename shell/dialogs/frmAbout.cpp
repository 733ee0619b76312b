#include "shell/dialogs/frmAbout.h"

#include "platform/controls/FormBuilding.h"
#include "platform/controls/LineControl.h"
#include "platform/core/CaughtLog.h"
#include "platform/core/Paths.h"
#include "platform/forms/CenterForm.h"
#include "platform/services/MessageBox.h"
#include "platform/services/MessageBoxStyle.h"
#include "platform/services/StartProgram.h"
#include "resources/Icons.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QFileInfo>
#include <QScrollBar>

namespace {

constexpr quint32 KeyAllAccess = 0x2003F;
constexpr int ValueCapacity = 1024;

// Where the system keeps the path of its information tool: first the tool
// itself, then the folder that holds it.
const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolValue = QStringLiteral("PATH");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString FolderValue = QStringLiteral("MSINFO");
const QString ToolFile = QStringLiteral("\\MSINFO32.EXE");

constexpr quint32 Black = 0x000000;
constexpr quint32 White = 0xFFFFFF;
constexpr quint32 Grey = 0x808080;

using controls::setForeColor;

QString legalNotice()
{
    return QStringLiteral(
        "Copyright \u00A9 the Ostrana team. This program and its lessons are protected by "
        "copyright law and may not be copied without permission.");
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : Form(QStringLiteral("frmAbout"), parent)
    , picIcon(new Label(this))
    , lblTitle(new Label(this))
    , lblVersion(new Label(this))
    , txtDescription(new TextBox(this))
    , Line1{new LineControl(this), new LineControl(this)}
    , lblDisclaimer(new Label(this))
    , cmdOK(new CommandButton(QStringLiteral("OK"), this))
    , cmdSysInfo(new CommandButton(QStringLiteral("&System Info..."), this))
{
    setWindowIcon(resources::applicationIcon());
    setBorderStyle(forms::FixedDialog);
    setClientSize(6105, 5160);

    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->Move(120, 120, 540, 540);
    picIcon->setPixmap(resources::applicationIcon().pixmap(picIcon->size()));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->Move(810, 240, 5085, 360);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    lblTitle->setFont(titleFont);
    setForeColor(*lblTitle, Black);

    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->Move(810, 600, 5085, 225);

    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    txtDescription->Move(810, 960, 5085, 2772);
    txtDescription->setReadOnly(true);
    txtDescription->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDescription->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The credits are indented by one tab; Qt's default stop is far too wide for the box.
    txtDescription->setTabStopDistance(
        txtDescription->fontMetrics().horizontalAdvance(QStringLiteral("    ")));
    QPalette textColours = txtDescription->palette();
    textColours.setColor(QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
    txtDescription->setPalette(textColours);

    // An etched separator: the grey line lies on the first row of the white one.
    Line1[0]->setPoints(210, 3885, 5880, 3885);
    Line1[0]->setBorderColor(White);
    Line1[0]->setBorderWidth(2);
    Line1[1]->setPoints(210, 3885, 5880, 3885);
    Line1[1]->setBorderColor(Grey);
    Line1[1]->setBorderWidth(1);

    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->Move(252, 4068, 4236, 900);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setForeColor(*lblDisclaimer, Black);

    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->Move(4545, 4068, 1260, 345);
    cmdOK->setDefault(true);
    setDefaultButton(cmdOK);
    setCancelButton(cmdOK);

    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->Move(4545, 4680, 1245, 345);

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    setCaption(QStringLiteral("About Kelvo"));
    lblVersion->setText(VersionText());
    lblTitle->setText(QStringLiteral("Kelvo"));
    txtDescription->setPlainText(DescriptionText());
    lblDisclaimer->setText(legalNotice());
    CenterAboutForm();
}

QString frmAbout::VersionText()
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(OSTRANA_VERSION_MAJOR)
        .arg(OSTRANA_VERSION_MINOR)
        .arg(OSTRANA_VERSION_PATCH);
}

QString frmAbout::DescriptionText()
{
    const QString tab = QStringLiteral("\t");
    const QStringList lines{
        QStringLiteral("This product has been developed to teach Gujarati."),
        QString(),
        QStringLiteral("Credits"),
        QStringLiteral("======="),
        tab + QStringLiteral("Course design: the Ostrana team"),
        tab + QStringLiteral("with teachers of young children"),
        QString(),
        tab + QStringLiteral("Programming: the Ostrana team"),
        tab + QStringLiteral("software group, dev.example.org"),
        QString(),
        tab + QStringLiteral("Graphic design: the Ostrana art group"),
        QString(),
        tab + QStringLiteral("Testing: the Ostrana team"),
        tab + QStringLiteral("with young learners and parents"),
        QString(),
        tab + QStringLiteral("Project management: the Ostrana team"),
        tab + QStringLiteral("projects@example.org"),
        QString(),
        tab + QStringLiteral("Sound production: the Ostrana sound group"),
        tab + QStringLiteral("the Gujarati letters and words"),
        QString(),
        tab + QStringLiteral("Recorded at the Ostrana Sound Studio"),
        QString(),
        QStringLiteral("Kelvo was produced by the Ostrana team for children and beginners "
                       "who want to read and write the Gujarati script. We would like to hear "
                       "from you: write to info@example.org or visit www.example.org."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void frmAbout::CenterAboutForm()
{
    forms::CenterForm(*this);
}

void frmAbout::cmdOK_Click()
{
    Hide();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    QString SysInfoPath;
    try {
        if (GetKeyValue(services::RegistryRoot::LocalMachine, ToolKey, ToolValue, SysInfoPath)) {
            if (services::StartProgram(platform::localPath(SysInfoPath)))
                return;
        } else if (GetKeyValue(services::RegistryRoot::LocalMachine, FolderKey, FolderValue,
                               SysInfoPath) &&
                   QFileInfo(platform::localPath(SysInfoPath + ToolFile)).isFile()) {
            SysInfoPath += ToolFile;
            if (services::StartProgram(platform::localPath(SysInfoPath)))
                return;
        }
    } catch (const std::exception &error) {
        // Any failure on the way ends in the one message below.
        platform::logCaught(OSTRANA_LOG_CATEGORY, error);
    }
    services::MessageBox(this, resources::LoadResString(resources::str::SysInfoUnavailable),
                         services::MessageBoxStyle::OkOnly);
}

bool frmAbout::GetKeyValue(services::RegistryRoot KeyRoot, const QString &KeyName,
                           const QString &SubKeyRef, QString &KeyVal)
{
    services::Registry &registry = services::registry();
    services::RegistryKey key = 0;
    services::RegistryValue value;
    if (registry.OpenKey(KeyRoot, KeyName, KeyAllAccess, key) !=
            services::RegistryStatus::Success ||
        registry.QueryValue(key, SubKeyRef, ValueCapacity, value) !=
            services::RegistryStatus::Success) {
        KeyVal.clear();
        registry.CloseKey(key);
        return false;
    }

    // Stored values usually end in a NUL; only a final one is dropped.
    QByteArray stored = value.data;
    if (!stored.isEmpty() && stored.back() == '\0')
        stored.chop(1);

    switch (value.type) {
    case services::RegistryType::Text:
        KeyVal = QString::fromLocal8Bit(stored);
        break;
    case services::RegistryType::Dword:
        for (auto byte = stored.crbegin(); byte != stored.crend(); ++byte)
            KeyVal += QString::number(quint8(*byte), 16).toUpper();
        KeyVal.prepend(QStringLiteral("&h"));
        break;
    default:
        break;
    }
    registry.CloseKey(key);
    return true;
}
