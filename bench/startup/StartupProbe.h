#pragma once

#include <QObject>
#include <QString>

// Logs in through the program's login dialog with the given user; when the
// main window shows, prints "main-shown rss-kb=<resident memory in kB>" and
// ends the process.
class StartupProbe final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartupProbe)

public:
    // Installs the probe on the application, which owns it.
    static void install(const QString &userName, const QString &password);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StartupProbe(const QString &userName, const QString &password, QObject *parent);

    QString m_userName;
    QString m_password;
};
