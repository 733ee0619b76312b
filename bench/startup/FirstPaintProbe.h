#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// Prints a line on standard output and ends the process at once, as the
// start-up benchmark's programs report to it.
[[noreturn]] void reportAndEnd(const QByteArray &line);

// Once the window named windowName has had its first paint, and its controls
// theirs, prints line and ends the process.
class FirstPaintProbe final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FirstPaintProbe)

public:
    // Installs the probe on the application, which owns it.
    static void install(const QString &windowName, const QByteArray &line);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FirstPaintProbe(const QString &windowName, const QByteArray &line, QObject *parent);

    QString m_windowName;
    QByteArray m_line;
};
