#include "platform/controls/MultiLineText.h"

#include "platform/core/BgrColor.h"

#include <QEvent>
#include <QFontMetricsF>

MultiLineText::MultiLineText(QWidget *parent)
    : TwipsGeometry(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    updateTabStops();
}

MultiLineText::~MultiLineText() = default;

void MultiLineText::setText(const QString &text)
{
    m_text = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(shown);
}

void MultiLineText::setBackColor(quint32 bgr)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, platform::fromBgr(bgr));
    setPalette(colours);
}

void MultiLineText::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        updateTabStops();
    TwipsGeometry::changeEvent(event);
}

void MultiLineText::updateTabStops()
{
    setTabStopDistance(QFontMetricsF(font()).averageCharWidth() * 8);
}
