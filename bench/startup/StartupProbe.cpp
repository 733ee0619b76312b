#include "bench/startup/StartupProbe.h"

#include "bench/startup/FirstPaintProbe.h"
#include "platform/controls/PasswordBox.h"
#include "shell/dialogs/frmLogin.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

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

} // namespace

StartupProbe::StartupProbe(const QString &userName, const QString &password, QObject *parent)
    : QObject(parent)
    , m_userName(userName)
    , m_password(password)
{}

void StartupProbe::install(const QString &userName, const QString &password)
{
    qApp->installEventFilter(new StartupProbe(userName, password, qApp));
}

bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    if (watched->objectName() == QLatin1String("frmLogin")) {
        auto *login = static_cast<frmLogin *>(watched);
        QTimer::singleShot(0, login, [this, login] {
            login->txtUserName->setText(m_userName);
            login->txtPassword->setText(m_password);
            login->cmdOK->click();
        });
    } else if (watched->objectName() == QLatin1String("frmMain")) {
        reportAndEnd("main-shown rss-kb=" + QByteArray::number(residentKilobytes()));
    }
    return false;
}
