#include "platform/services/MessageBoxStyle.h"

#include "platform/core/RuntimeError.h"

namespace services {
namespace {

constexpr int ButtonsMask = 0x7;
constexpr int IconMask = 0x70;
constexpr int DefaultMask = 0x300;

void check(int style)
{
    const int known = ButtonsMask | IconMask | DefaultMask;
    if ((style & ~known) != 0 || (style & ButtonsMask) > MessageBoxStyle::RetryCancel ||
        (style & IconMask) > MessageBoxStyle::Information ||
        (style & DefaultMask) > MessageBoxStyle::DefaultButton3)
        platform::raise(platform::err::InvalidProcedureCall,
                        QStringLiteral("Invalid procedure call or argument"));
}

} // namespace

QList<int> answersFor(int style)
{
    check(style);
    using namespace MessageBoxAnswer;
    switch (style & ButtonsMask) {
    case MessageBoxStyle::OkCancel:
        return {Ok, Cancel};
    case MessageBoxStyle::AbortRetryIgnore:
        return {Abort, Retry, Ignore};
    case MessageBoxStyle::YesNoCancel:
        return {Yes, No, Cancel};
    case MessageBoxStyle::YesNo:
        return {Yes, No};
    case MessageBoxStyle::RetryCancel:
        return {Retry, Cancel};
    default:
        return {Ok};
    }
}

int defaultAnswer(int style)
{
    const QList<int> answers = answersFor(style);
    const int index = (style & DefaultMask) >> 8;
    return index < answers.size() ? answers[index] : answers.first();
}

int escapeAnswer(int style)
{
    const QList<int> answers = answersFor(style);
    for (int answer : {MessageBoxAnswer::Cancel, MessageBoxAnswer::No, MessageBoxAnswer::Abort}) {
        if (answers.contains(answer))
            return answer;
    }
    return MessageBoxAnswer::Ok;
}

int iconOf(int style)
{
    check(style);
    return style & IconMask;
}

} // namespace services
