#include "tests/support/MessageBoxScript.h"

#include "platform/services/MessageBoxStyle.h"

#include <gtest/gtest.h>

namespace {

std::string describe(const QString &text, int style)
{
    return ("\"" + text + "\" with style " + QString::number(style)).toStdString();
}

} // namespace

MessageBoxScript::MessageBoxScript()
{
    m_previous =
        services::setMessageBoxHandler([this](QWidget *owner, const QString &text, int style) {
            return answer(owner, text, style);
        });
}

MessageBoxScript::~MessageBoxScript()
{
    services::setMessageBoxHandler(std::move(m_previous));
    for (const Expected &expected : m_expected)
        ADD_FAILURE() << "Expected message box never came: "
                      << describe(expected.text, expected.style);
}

MessageBoxScript &MessageBoxScript::expect(const QString &textFragment, int style, int answer,
                                           std::function<void()> whileShown)
{
    m_expected.append({textFragment, false, style, answer, std::move(whileShown)});
    return *this;
}

MessageBoxScript &MessageBoxScript::expectExactly(const QString &text, int style, int answer,
                                                  std::function<void()> whileShown)
{
    m_expected.append({text, true, style, answer, std::move(whileShown)});
    return *this;
}

int MessageBoxScript::answer(QWidget *owner, const QString &text, int style)
{
    // A style the real box refuses is refused here too.
    const QList<int> answers = services::answersFor(style);
    const int fallback = services::defaultAnswer(style);
    m_shown.append({owner, text, style, fallback});

    if (m_expected.isEmpty()) {
        ADD_FAILURE() << "Unexpected message box: " << describe(text, style);
        return fallback;
    }
    const Expected &next = m_expected.first();
    const bool textMatches = next.exact ? text == next.text : text.contains(next.text);
    if (!textMatches || style != next.style) {
        ADD_FAILURE() << "Unexpected message box: " << describe(text, style)
                      << "; expected next: " << describe(next.text, next.style);
        return fallback;
    }
    const Expected expected = m_expected.takeFirst();
    if (expected.whileShown)
        expected.whileShown();
    if (!answers.contains(expected.answer)) {
        ADD_FAILURE() << "Answer " << expected.answer << " is not a button of the box "
                      << describe(text, style);
        return fallback;
    }
    m_shown.last().answer = expected.answer;
    return expected.answer;
}
