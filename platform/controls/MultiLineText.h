#pragma once

#include "platform/core/TwipsGeometry.h"

#include <QPlainTextEdit>

// A multi-line text box. Text keeps the line breaks as written (CR LF); the box
// shows each CR LF as one line break. A TAB advances to the next stop of eight
// average characters, as the course's text boxes do.
class MultiLineText final : public platform::TwipsGeometry<QPlainTextEdit>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MultiLineText)

public:
    explicit MultiLineText(QWidget *parent = nullptr);
    ~MultiLineText() override;

    QString Text() const { return m_text; }
    void setText(const QString &text);

    bool Locked() const { return isReadOnly(); }
    void setLocked(bool locked) { setReadOnly(locked); }

    // &HBBGGRR
    void setBackColor(quint32 bgr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateTabStops();

    QString m_text;
};
