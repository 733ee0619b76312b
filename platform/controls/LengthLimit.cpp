#include "platform/controls/LengthLimit.h"

#include <QLineEdit>

LengthLimit::LengthLimit(int maxLength, QObject *parent)
    : QValidator(parent)
    , m_maxLength(maxLength)
{}

QValidator::State LengthLimit::validate(QString &input, int &) const
{
    return input.size() <= m_maxLength ? Acceptable : Invalid;
}

void LengthLimit::install(QLineEdit &box, int maxLength)
{
    // Qt's own maximum would cut the text before the limit could refuse it.
    box.setMaxLength(32767);
    box.setValidator(new LengthLimit(maxLength, &box));
}
