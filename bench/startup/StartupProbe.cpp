#include "bench/startup/StartupProbe.h"

#include "platform/controls/PasswordBox.h"
#include "shell/dialogs/frmLogin.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

int residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression rss(QStringLiteral("^VmRSS:\\s+(\\d+) kB"),
                                 QRegularExpression::MultilineOption);
    const auto match = rss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

[[noreturn]] void report(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace

StartupProbe::StartupProbe(Until until, const QString &userName, const QString &password,
                           QObject *parent)
    : QObject(parent)
    , m_until(until)
    , m_userName(userName)
    , m_password(password)
{}

void StartupProbe::install(Until until, const QString &userName, const QString &password)
{
    qApp->installEventFilter(new StartupProbe(until, userName, password, qApp));
}

bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    if (event->type() == QEvent::Paint && m_until == Until::LoginShown &&
        watched->objectName() == QLatin1String("frmLogin")) {
        // The dialog paints before its controls, and the whole window reaches
        // the screen after the last of them: report once that is done.
        QMetaObject::invokeMethod(
            this, [] { report("login-shown"); }, Qt::QueuedConnection);
        return false;
    }
    if (event->type() != QEvent::Show)
        return false;
    if (watched->objectName() == QLatin1String("frmLogin")) {
        auto *login = static_cast<frmLogin *>(watched);
        QTimer::singleShot(0, login, [this, login] {
            login->txtUserName->setText(m_userName);
            login->txtPassword->setText(m_password);
            login->cmdOK->click();
        });
    } else if (m_until == Until::MainShown && watched->objectName() == QLatin1String("frmMain")) {
        report("main-shown rss-kb=" + QByteArray::number(residentKilobytes()));
    }
    return false;
}
