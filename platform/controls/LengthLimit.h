#pragma once

#include <QValidator>

class QLineEdit;

// The most characters a text box takes, counted as Qt counts a text's size.
// A plain maximum length cuts what is typed or pasted at the limit, which can
// split an emoji in two or drop an accent from its letter; here an edit that
// would pass the limit is refused whole, so every text kept is one the
// learner can type again.
class LengthLimit final : public QValidator
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LengthLimit)

public:
    LengthLimit(int maxLength, QObject *parent);

    State validate(QString &input, int &pos) const override;

    // Puts a limit of maxLength on box, owned by it.
    static void install(QLineEdit &box, int maxLength);

private:
    int m_maxLength;
};
