#include "platform/services/Registry.h"

#include "platform/services/EmptyRegistry.h"
#include "tests/support/RegistryDouble.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using services::RegistryKey;
using services::RegistryRoot;
using services::RegistryStatus;
using services::RegistryType;
using services::RegistryValue;

const QString ToolKey = QStringLiteral("SOFTWARE\\Shared Tools\\SysInfo");

TEST(Registry, OnThisSystemThereAreNoKeys)
{
    services::Registry &registry = services::registry();
    EXPECT_NE(dynamic_cast<services::EmptyRegistry *>(&registry), nullptr);
    for (const RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
        RegistryKey key = 42;
        EXPECT_EQ(registry.OpenKey(root, ToolKey, 0x2003F, key), RegistryStatus::NotFound);
        EXPECT_EQ(key, 0u);
        RegistryValue value{RegistryType::Text, QByteArray("stale")};
        EXPECT_EQ(registry.QueryValue(key, QStringLiteral("PATH"), 1024, value),
                  RegistryStatus::InvalidHandle);
        EXPECT_TRUE(value.data.isEmpty());
        EXPECT_EQ(registry.CloseKey(key), RegistryStatus::InvalidHandle); // harmless
    }
}

TEST(RegistryDouble, StandsInForTheSystemsRegistryWhileItLives)
{
    {
        RegistryDouble registry;
        EXPECT_EQ(&services::registry(), &registry);
    }
    EXPECT_NE(dynamic_cast<services::EmptyRegistry *>(&services::registry()), nullptr);
}

TEST(RegistryDouble, GivesTextRawWithItsFinalNulAndIgnoresLetterCase)
{
    RegistryDouble registry;
    registry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("PATH"),
                     QStringLiteral("/opt/tools/sysinfo"));
    registry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Bare"),
                     QStringLiteral("abc"), false);

    RegistryKey key = 0;
    ASSERT_EQ(services::registry().OpenKey(RegistryRoot::LocalMachine,
                                           QStringLiteral("software\\shared tools\\SYSINFO"),
                                           0x2003F, key),
              RegistryStatus::Success);
    EXPECT_NE(key, 0u);
    EXPECT_EQ(registry.lastAccess(), 0x2003Fu);

    RegistryValue value;
    ASSERT_EQ(services::registry().QueryValue(key, QStringLiteral("path"), 1024, value),
              RegistryStatus::Success);
    EXPECT_EQ(value.type, RegistryType::Text);
    EXPECT_EQ(value.data, QByteArray("/opt/tools/sysinfo\0", 19));
    ASSERT_EQ(services::registry().QueryValue(key, QStringLiteral("Bare"), 1024, value),
              RegistryStatus::Success);
    EXPECT_EQ(value.data, QByteArray("abc"));
    EXPECT_EQ(services::registry().QueryValue(key, QStringLiteral("Missing"), 1024, value),
              RegistryStatus::NotFound);
    EXPECT_EQ(services::registry().CloseKey(key), RegistryStatus::Success);
    EXPECT_EQ(services::registry().CloseKey(key), RegistryStatus::InvalidHandle);
    EXPECT_EQ(services::registry().QueryValue(key, QStringLiteral("path"), 1024, value),
              RegistryStatus::InvalidHandle);

    // Another root is another key.
    EXPECT_EQ(services::registry().OpenKey(RegistryRoot::CurrentUser, ToolKey, 0x2003F, key),
              RegistryStatus::NotFound);
    EXPECT_EQ(key, 0u);
}

TEST(RegistryDouble, GivesADwordLeastSignificantByteFirstAndRefusesTooLittleRoom)
{
    RegistryDouble registry;
    registry.setDword(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Flags"), 0x0102A0FF);
    registry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Long"),
                     QString(1100, u'x'));

    RegistryKey key = 0;
    ASSERT_EQ(registry.OpenKey(RegistryRoot::LocalMachine, ToolKey, 0x2003F, key),
              RegistryStatus::Success);
    RegistryValue value;
    ASSERT_EQ(registry.QueryValue(key, QStringLiteral("Flags"), 1024, value),
              RegistryStatus::Success);
    EXPECT_EQ(value.type, RegistryType::Dword);
    EXPECT_EQ(value.data, QByteArray("\xFF\xA0\x02\x01", 4));

    EXPECT_EQ(registry.QueryValue(key, QStringLiteral("Long"), 1024, value),
              RegistryStatus::MoreData);
    EXPECT_TRUE(value.data.isEmpty());
    EXPECT_EQ(registry.QueryValue(key, QStringLiteral("Long"), 1101, value),
              RegistryStatus::Success);
    EXPECT_EQ(registry.CloseKey(key), RegistryStatus::Success);
}

TEST(RegistryDouble, AKeyLeftOpenFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            RegistryDouble registry;
            registry.addKey(RegistryRoot::LocalMachine, ToolKey);
            RegistryKey key = 0;
            registry.OpenKey(RegistryRoot::LocalMachine, ToolKey, 0x2003F, key);
            EXPECT_EQ(registry.openKeys(), 1);
        },
        "Registry key left open");
}

} // namespace
