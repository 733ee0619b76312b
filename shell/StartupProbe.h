#pragma once

#include <QObject>

// A measuring hook for the start-up benchmark, off unless the environment
// asks for it; a learner's start-up never meets it.
//
// OSTRANA_STARTUP_PROBE=login: when the login dialog shows, prints
// "login-shown" and ends the process.
// OSTRANA_STARTUP_PROBE=main: logs in with OSTRANA_PROBE_USER and
// OSTRANA_PROBE_PASSWORD through the login dialog; when the main window
// shows, prints "main-shown rss-kb=<resident memory in kB>" and ends.
class StartupProbe final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartupProbe)

public:
    // Installs a probe on the application when the environment asks for one.
    static void installFromEnvironment();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit StartupProbe(bool logIn, QObject *parent);

    bool m_logIn;
};
