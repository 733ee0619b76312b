// The floor the start-up is measured against: a plain Qt dialog with the
// login's controls and size, and nothing else of the program, timed from the
// process start to its first paint as the program's login is.
#include "bench/startup/FirstPaintProbe.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstPaintProbe::install(QStringLiteral("frmLogin"), "login-shown");

    QDialog dialog;
    dialog.setObjectName(QStringLiteral("frmLogin"));
    dialog.setWindowTitle(QStringLiteral("Login"));
    dialog.setFixedSize(342, 106);
    const auto place = [](QWidget *control, int x, int y, int width, int height) {
        control->setGeometry(x, y, width, height);
    };
    place(new QLabel(QStringLiteral("&User Name:"), &dialog), 8, 10, 75, 17);
    place(new QLabel(QStringLiteral("&Password:"), &dialog), 8, 37, 75, 17);
    place(new QLineEdit(&dialog), 88, 8, 155, 23);
    auto *password = new QLineEdit(&dialog);
    password->setEchoMode(QLineEdit::Password);
    place(password, 88, 35, 155, 23);
    auto *ok = new QPushButton(QStringLiteral("&OK"), &dialog);
    ok->setDefault(true);
    place(ok, 256, 8, 76, 26);
    place(new QPushButton(QStringLiteral("Canc&el"), &dialog), 256, 38, 76, 26);
    place(new QPushButton(QStringLiteral("&New"), &dialog), 256, 70, 76, 26);
    return dialog.exec();
}
