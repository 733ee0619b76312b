#pragma once

#include "platform/controls/FontMembers.h"
#include "platform/core/TwipsGeometry.h"

#include <QPushButton>

namespace controls {

// A 3-D push button. An "&" in the caption marks its access key, as in Qt.
// A disabled button takes no click, by mouse or by key. Enter presses it
// while it has the focus, and only then: it never stays its window's
// default because it once had the focus, as Qt's dialog buttons do.
class SSCommand final : public FontMembers<platform::TwipsGeometry<QPushButton>>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SSCommand)

public:
    explicit SSCommand(QWidget *parent = nullptr);
    SSCommand(const QString &caption, QWidget *parent);
    ~SSCommand() override;

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

    // The button's own setting, whatever its container's.
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

    // &HBBGGRR; ForeColor is the caption's colour.
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 bgr);
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 bgr);

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    quint32 m_foreColor = 0x000000;
    quint32 m_backColor = 0xC8D0D4;
};

} // namespace controls
