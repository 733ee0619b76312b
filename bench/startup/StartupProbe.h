#pragma once

#include <QObject>
#include <QString>

// Watches the program's start-up for the start-up benchmark.
//
// LoginShown: once the login dialog has shown and its first paint is on the
// screen, prints "login-shown" and ends the process. MainShown: logs in with the given user through the login dialog;
// when the main window shows, prints "main-shown rss-kb=<resident memory in
// kB>" and ends.
class StartupProbe final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartupProbe)

public:
    enum class Until
    {
        LoginShown,
        MainShown
    };

    // Installs the probe on the application, which owns it.
    static void install(Until until, const QString &userName = {}, const QString &password = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StartupProbe(Until until, const QString &userName, const QString &password, QObject *parent);

    Until m_until;
    QString m_userName;
    QString m_password;
};
