#pragma once

#include "platform/forms/Form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <functional>

// A form that counts its events and cancels when told to.
class SampleForm : public forms::Form
{
public:
    explicit SampleForm(const QString &name = QStringLiteral("frmSample"))
        : Form(name)
        , txtName(new QLineEdit(this))
        , cmdOK(new QPushButton(QStringLiteral("OK"), this))
        , cmdCancel(new QPushButton(QStringLiteral("Cancel"), this))
    {
        setClientSize(4500, 1800);
        txtName->setGeometry(8, 8, 150, 23);
        cmdOK->setGeometry(180, 8, 100, 26);
        cmdCancel->setGeometry(180, 40, 100, 26);
    }

    QLineEdit *txtName;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

    int loads = 0;
    int queries = 0;
    int unloads = 0;
    int shows = 0;
    int lastReason = -1;
    bool visibleDuringLoad = false;
    bool cancelQuery = false;
    bool cancelUnload = false;
    std::function<void()> onQuery;

protected:
    void Form_Load() override
    {
        ++loads;
        visibleDuringLoad = isVisible();
    }

    void Form_QueryUnload(bool &Cancel, int UnloadMode) override
    {
        ++queries;
        lastReason = UnloadMode;
        if (onQuery)
            onQuery();
        Cancel = cancelQuery;
    }

    void Form_Unload(bool &Cancel) override
    {
        ++unloads;
        Cancel = cancelUnload;
    }

    void showEvent(QShowEvent *event) override
    {
        ++shows;
        Form::showEvent(event);
    }
};
