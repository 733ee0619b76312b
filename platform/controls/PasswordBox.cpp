#include "platform/controls/PasswordBox.h"

#include <QProxyStyle>

namespace {

// Qt takes the masking character from the style, which would give a bullet.
class AsteriskStyle final : public QProxyStyle
{
public:
    AsteriskStyle() = default;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

PasswordBox::PasswordBox(QWidget *parent)
    : TwipsGeometry(parent)
{
    auto *style = new AsteriskStyle;
    style->setParent(this); // a widget does not own the style it is given
    setStyle(style);
    setEchoMode(QLineEdit::Password);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText |
                        Qt::ImhNoAutoUppercase);
}

PasswordBox::~PasswordBox() = default;
