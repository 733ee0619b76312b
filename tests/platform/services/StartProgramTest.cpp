#include "platform/services/StartProgram.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString writeScript(const QTemporaryDir &folder, const QString &name, const QByteArray &body,
                    bool executable)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(body);
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    file.setPermissions(permissions);
    return path;
}

TEST(StartProgram, StartsTheProgramAtThePath)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString marker = folder.filePath(QStringLiteral("started"));
    const QString tool =
        writeScript(folder, QStringLiteral("sysinfo"),
                    "#!/bin/sh\necho started > '" + QFile::encodeName(marker) + "'\n", true);

    ASSERT_TRUE(services::StartProgram(tool));
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(marker) && !deadline.hasExpired())
        QThread::msleep(10);
    EXPECT_TRUE(QFile::exists(marker));
}

TEST(StartProgram, ReportsAProgramThatCannotBeStarted)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_FALSE(services::StartProgram(QString()));
    EXPECT_FALSE(services::StartProgram(folder.filePath(QStringLiteral("MSINFO32.EXE"))));
    const QString notRunnable =
        writeScript(folder, QStringLiteral("plain"), "#!/bin/sh\nexit 0\n", false);
    EXPECT_FALSE(services::StartProgram(notRunnable));
    EXPECT_FALSE(services::StartProgram(folder.path())); // a folder
}

} // namespace
