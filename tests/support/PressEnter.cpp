#include "tests/support/PressEnter.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

void pressEnter()
{
    QWidget *target = QApplication::focusWidget();
    if (target == nullptr)
        target = QApplication::activeWindow();
    if (target == nullptr) {
        ADD_FAILURE() << "Enter pressed with no active window";
        return;
    }
    QTest::keyClick(target, Qt::Key_Return);
}
