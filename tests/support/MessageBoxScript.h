#pragma once

#include "platform/services/MessageBox.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

// Answers message boxes from a list, in order, while it lives. A box that
// does not match the next expected one, or an expected answer that is not a
// button of the box, fails the test; so do expected boxes that never came,
// when the script is destroyed. Restores the handler it replaced.
class MessageBoxScript final
{
public:
    struct Box
    {
        QPointer<QWidget> owner;
        QString text;
        int style = 0;
        int answer = 0;
    };

    MessageBoxScript();
    ~MessageBoxScript();
    Q_DISABLE_COPY_MOVE(MessageBoxScript)

    // The next box has text containing textFragment and exactly this style;
    // it is answered with answer. whileShown runs as the box stands on screen
    // (before it is answered), for a test to look at the windows under it.
    MessageBoxScript &expect(const QString &textFragment, int style, int answer,
                             std::function<void()> whileShown = {});
    // The same, with the whole text.
    MessageBoxScript &expectExactly(const QString &text, int style, int answer,
                                    std::function<void()> whileShown = {});

    // Every box that came, expected or not, in order.
    const QList<Box> &shown() const { return m_shown; }
    int pending() const { return int(m_expected.size()); }

private:
    struct Expected
    {
        QString text;
        bool exact = false;
        int style = 0;
        int answer = 0;
        std::function<void()> whileShown;
    };

    int answer(QWidget *owner, const QString &text, int style);

    QList<Expected> m_expected;
    QList<Box> m_shown;
    services::MessageBoxHandler m_previous;
};
