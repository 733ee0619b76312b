#include "shell/dialogs/frmAbout.h"

#include "platform/controls/LineControl.h"
#include "platform/core/Twips.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringTable.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/RegistryDouble.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TitleBarClose.h"
#include "tests/support/WhenModal.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using services::RegistryRoot;
using services::RegistryType;
using services::MessageBoxAnswer::Ok;
using services::MessageBoxStyle::OkOnly;

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

class About : public ::testing::Test
{
protected:
    About() { about.Load(); }

    frmAbout about;
};

TEST_F(About, ShowsTheProductNameAndTheProjectsVersion)
{
    EXPECT_EQ(about.Caption(), QStringLiteral("About Kelvo"));
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("Kelvo"));
    EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Version " OSTRANA_VERSION_TEXT));
    EXPECT_FALSE(about.lblDisclaimer->text().isEmpty());
    EXPECT_FALSE(about.picIcon->pixmap().isNull());
}

TEST(AboutPlacement, LoadsCentredOnTheScreen)
{
    ScreenSizeDouble screen(800, 600);
    frmAbout about;
    about.Load();
    EXPECT_EQ(about.pos(), QPoint(qRound((800 - 407) / 2.0), (600 - 344) / 2));
}

TEST_F(About, IsLaidOutAsDesigned)
{
    EXPECT_EQ(about.ScaleWidth(), 6105);
    EXPECT_EQ(about.ScaleHeight(), 5160);
    EXPECT_EQ(about.BorderStyle(), forms::FixedDialog);
    EXPECT_FALSE(about.MinButton());
    EXPECT_FALSE(about.MaxButton());
    EXPECT_EQ(about.picIcon->geometry(), platform::twipsRect(120, 120, 540, 540));
    EXPECT_EQ(about.lblTitle->geometry(), platform::twipsRect(810, 240, 5085, 360));
    EXPECT_EQ(about.lblVersion->geometry(), platform::twipsRect(810, 600, 5085, 225));
    EXPECT_EQ(about.txtDescription->geometry(), platform::twipsRect(810, 960, 5085, 2772));
    EXPECT_EQ(about.lblDisclaimer->geometry(), platform::twipsRect(252, 4068, 4236, 900));
    EXPECT_EQ(about.cmdOK->geometry(), platform::twipsRect(4545, 4068, 1260, 345));
    EXPECT_EQ(about.cmdSysInfo->geometry(), platform::twipsRect(4545, 4680, 1245, 345));
    EXPECT_EQ(about.cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    EXPECT_TRUE(about.txtDescription->isReadOnly());
    EXPECT_EQ(about.txtDescription->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(About, TheSeparatorIsEtchedGreyOverWhite)
{
    about.show();
    const QImage window = about.grab().toImage();
    const int x = platform::toPixels(3000);
    const int y = platform::toPixels(3885);
    EXPECT_EQ(window.pixelColor(x, y), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(window.pixelColor(x, y + 1), QColor(Qt::white));
    EXPECT_NE(window.pixelColor(x, y + 2), QColor(Qt::white));
    // From the designed start to the designed end, and no further.
    EXPECT_EQ(window.pixelColor(platform::toPixels(210), y), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(window.pixelColor(platform::toPixels(5880), y + 1), QColor(Qt::white));
    EXPECT_NE(window.pixelColor(platform::toPixels(5880) + 1, y + 1), QColor(Qt::white));
    EXPECT_EQ(about.Line1[0]->BorderWidth(), 2);
    EXPECT_EQ(about.Line1[0]->BorderColor(), 0xFFFFFFu);
    EXPECT_EQ(about.Line1[1]->BorderColor(), 0x808080u);
}

TEST_F(About, TheDescriptionHasTheCreditsInTheirRolesAndOrder)
{
    const QString text = frmAbout::DescriptionText();
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n|\r[^\n]"))));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("This product has been developed to teach Gujarati."));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Credits"));
    EXPECT_EQ(lines[3], QStringLiteral("======="));

    // Seven entries of tab-led lines, one empty line after each.
    QList<QStringList> entries{{}};
    int line = 4;
    for (; line < lines.size() && entries.size() <= 7; ++line) {
        if (lines[line].isEmpty()) {
            entries.append(QStringList());
            continue;
        }
        ASSERT_TRUE(lines[line].startsWith(QLatin1Char('\t'))) << lines[line].toStdString();
        entries.last().append(lines[line]);
    }
    entries.removeLast();
    ASSERT_EQ(entries.size(), 7);
    const QList<int> lineCounts{2, 2, 1, 2, 2, 2, 1};
    const QStringList roles{QStringLiteral("design"),     QStringLiteral("Programming"),
                            QStringLiteral("Graphic"),    QStringLiteral("Testing"),
                            QStringLiteral("management"), QStringLiteral("Sound"),
                            QStringLiteral("Studio")};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(entries[i].size(), lineCounts[i]) << i;
        EXPECT_TRUE(entries[i].first().contains(roles[i])) << entries[i].first().toStdString();
    }
    // Then the closing paragraph, with a contact at the reserved domain only.
    ASSERT_EQ(line, lines.size() - 1);
    EXPECT_TRUE(lines.last().contains(QStringLiteral("@example.org")));
    const QRegularExpression domain(QStringLiteral("[\\w.-]+\\.(org|com|net|in)\\b"));
    for (auto match = domain.globalMatch(text); match.hasNext();) {
        const QString found = match.next().captured();
        EXPECT_TRUE(found == QLatin1String("example.org") ||
                    found.endsWith(QLatin1String(".example.org")))
            << found.toStdString();
    }
    EXPECT_EQ(about.txtDescription->toPlainText(), QString(text).replace("\r\n", "\n"));
}

TEST_F(About, EnterAndEscapeBothPressOk)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        ModalWatchdog watchdog;
        WhenModal learner([key](QWidget *modal) { QTest::keyClick(modal, key); });
        about.Show(true);
        EXPECT_TRUE(learner.done());
        EXPECT_FALSE(about.isVisible());
        EXPECT_TRUE(about.isLoaded()); // the menu handler unloads it
    }
}

TEST_F(About, TheCloseBoxEndsItsModalDisplay)
{
    ModalWatchdog watchdog;
    WhenModal learner([this](QWidget *) { closeFromTitleBar(about); });
    about.Show(true);
    EXPECT_TRUE(learner.done());
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(watchdog.fired());
}

// Reading the registry.
class KeyValue : public About
{
protected:
    QString read(const QString &valueName, QString keyVal = QString())
    {
        readResult = about.GetKeyValue(RegistryRoot::LocalMachine, ToolKey, valueName, keyVal);
        return keyVal;
    }

    RegistryDouble registry;
    bool readResult = false;
};

TEST_F(KeyValue, TextLosesOnlyItsFinalNul)
{
    registry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("PATH"),
                     QStringLiteral("C:\\Tools\\info.exe"));
    registry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Bare"),
                     QStringLiteral("abc"), false);
    registry.setValue(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Inner"),
                      RegistryType::Text, QByteArray("ab\0cd", 5));
    EXPECT_EQ(read(QStringLiteral("PATH"), QStringLiteral("stale")),
              QStringLiteral("C:\\Tools\\info.exe"));
    EXPECT_TRUE(readResult);
    EXPECT_EQ(read(QStringLiteral("Bare")), QStringLiteral("abc"));
    EXPECT_EQ(read(QStringLiteral("Inner")), QString::fromLatin1("ab\0cd", 5));
    EXPECT_EQ(registry.lastAccess(), 0x2003Fu);
    EXPECT_EQ(registry.openKeys(), 0);
}

TEST_F(KeyValue, ADwordReadsAsItsBytesFromTheLastInHexWithoutLeadingZeros)
{
    const auto dword = [this](quint32 value) {
        registry.setDword(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Number"), value);
        return read(QStringLiteral("Number"));
    };
    EXPECT_EQ(dword(0x12345678), QStringLiteral("&h12345678"));
    EXPECT_TRUE(readResult);
    EXPECT_EQ(dword(0x0102030A), QStringLiteral("&h123A"));
    EXPECT_EQ(dword(0xABCD00EF), QStringLiteral("&hABCD0EF"));
    // A zero last byte counts as the final NUL of the value and goes.
    EXPECT_EQ(dword(0x00000A01), QStringLiteral("&h0A1"));
    EXPECT_EQ(registry.openKeys(), 0);
}

TEST_F(KeyValue, OtherTypesLeaveTheValueAsItWas)
{
    registry.setValue(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Blob"),
                      RegistryType::Binary, QByteArray("\x01\x02", 2));
    EXPECT_EQ(read(QStringLiteral("Blob"), QStringLiteral("kept")), QStringLiteral("kept"));
    EXPECT_TRUE(readResult);
}

TEST_F(KeyValue, AMissingKeyOrValueOrOneTooLargeGivesFalseAndNothing)
{
    EXPECT_EQ(read(QStringLiteral("PATH"), QStringLiteral("stale")), QString());
    EXPECT_FALSE(readResult);
    registry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Large"),
                     QString(1100, QLatin1Char('x')));
    EXPECT_EQ(read(QStringLiteral("PATH"), QStringLiteral("stale")), QString());
    EXPECT_FALSE(readResult);
    EXPECT_EQ(read(QStringLiteral("Large"), QStringLiteral("stale")), QString());
    EXPECT_FALSE(readResult);
    EXPECT_EQ(registry.openKeys(), 0);
}

// Starting the system information tool.
class SysInfo : public About
{
protected:
    // A program that leaves a mark when it runs.
    QString addTool(const QString &relativePath)
    {
        const QString path = folder.addFile(
            relativePath, QByteArray("#!/bin/sh\ntouch \"$(dirname \"$0\")/ran\"\n"));
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
        return path;
    }

    TempProgramFolder folder;
    RegistryDouble registry;
};

TEST_F(SysInfo, WithoutTheToolRegisteredOneBoxSaysItIsUnavailable)
{
    MessageBoxScript boxes;
    boxes.expectExactly(Unavailable, OkOnly, Ok);
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().first().owner, &about);
}

TEST_F(SysInfo, OnThisSystemThereIsNoToolToStart)
{
    services::setRegistry(nullptr); // the system's own, without keys
    MessageBoxScript boxes;
    boxes.expectExactly(Unavailable, OkOnly, Ok);
    about.StartSysInfo();
    EXPECT_EQ(boxes.shown().size(), 1);
}

TEST_F(SysInfo, AToolPathNamingAMissingProgramIsUnavailable)
{
    registry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("PATH"),
                     folder.path() + QStringLiteral("/missing/info"));
    // The folder value is not tried once the tool's own value was read.
    addTool(QStringLiteral("tools/MSINFO32.EXE"));
    registry.setText(RegistryRoot::LocalMachine, FolderKey, QStringLiteral("MSINFO"),
                     folder.path() + QStringLiteral("/tools"));
    MessageBoxScript boxes;
    boxes.expectExactly(Unavailable, OkOnly, Ok);
    about.StartSysInfo();
    EXPECT_EQ(boxes.shown().size(), 1);
}

TEST_F(SysInfo, AToolFolderWithoutTheProgramIsUnavailable)
{
    folder.addFile(QStringLiteral("tools/readme.txt"));
    registry.setText(RegistryRoot::LocalMachine, FolderKey, QStringLiteral("MSINFO"),
                     folder.path() + QStringLiteral("/tools"));
    MessageBoxScript boxes;
    boxes.expectExactly(Unavailable, OkOnly, Ok);
    about.StartSysInfo();
    EXPECT_EQ(boxes.shown().size(), 1);
}

TEST_F(SysInfo, TheRegisteredToolIsStarted)
{
    const QString tool = addTool(QStringLiteral("first/info"));
    registry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("PATH"), tool);
    MessageBoxScript boxes; // none expected
    about.StartSysInfo();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.path() + QStringLiteral("/first/ran")), 10000);
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(SysInfo, TheProgramInTheRegisteredFolderIsStarted)
{
    addTool(QStringLiteral("tools/msinfo32.exe")); // found in any letter case
    registry.setText(RegistryRoot::LocalMachine, FolderKey, QStringLiteral("MSINFO"),
                     folder.path() + QStringLiteral("/tools"));
    MessageBoxScript boxes; // none expected
    about.StartSysInfo();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.path() + QStringLiteral("/tools/ran")), 10000);
    EXPECT_TRUE(boxes.shown().isEmpty());
}

} // namespace
