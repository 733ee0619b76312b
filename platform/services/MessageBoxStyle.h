#pragma once

#include <QList>

namespace services {

// A message box style is buttons + icon + default button, added together.
namespace MessageBoxStyle {
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int AbortRetryIgnore = 2;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int RetryCancel = 5;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int DefaultButton1 = 0;
constexpr int DefaultButton2 = 256;
constexpr int DefaultButton3 = 512;
} // namespace MessageBoxStyle

// The button the learner pressed.
namespace MessageBoxAnswer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MessageBoxAnswer

// The answers a style offers, in button order. A button set outside 0 to 5,
// an unknown icon or default button raise run-time error 5.
QList<int> answersFor(int style);
// The answer of the default button (the first when the style names a
// default button it does not have).
int defaultAnswer(int style);
// What Escape and the close box answer: Cancel, else No, else Abort, else OK.
int escapeAnswer(int style);
// The icon part of a style: 0, 16, 32, 48 or 64.
int iconOf(int style);

} // namespace services
