#include "platform/controls/SSPanel.h"

#include "platform/core/BgrColor.h"
#include "platform/text/KeyText.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using controls::SSPanel;

// A syllable panel of the chart: bold 48 points on the chart's face colour.
void makeChartPanel(SSPanel &panel, const QString &fontName, const QString &caption)
{
    panel.Move(0, 0, 1455, 2175);
    panel.setBackColor(0xD8E9EC);
    panel.setFontSize(48);
    panel.setFontBold(true);
    panel.setFontName(fontName);
    panel.setCaption(caption);
}

TEST(SSPanel, UnderTheKeyFontTheCaptionStaysKeyTextAndShowsGujarati)
{
    QWidget window;
    SSPanel key(&window);
    SSPanel reference(&window);
    SSPanel plain(&window);
    makeChartPanel(key, QStringLiteral("Sarvik"), QStringLiteral("kAe"));
    makeChartPanel(reference, text::GujaratiFontFamily, QStringLiteral("કો"));
    makeChartPanel(plain, QStringLiteral("Arial"), QStringLiteral("kAe"));

    EXPECT_EQ(key.Caption(), QStringLiteral("kAe"));
    EXPECT_EQ(key.FontName(), QStringLiteral("Sarvik"));
    EXPECT_EQ(key.shownText(), QStringLiteral("કો"));
    EXPECT_EQ(plain.shownText(), QStringLiteral("kAe"));

    const QImage drawn = key.grab().toImage();
    EXPECT_EQ(drawn, reference.grab().toImage());
    EXPECT_NE(drawn, plain.grab().toImage());
    SSPanel empty(&window);
    makeChartPanel(empty, QStringLiteral("Sarvik"), QString());
    EXPECT_NE(drawn, empty.grab().toImage()) << "something must be drawn";
}

TEST(SSPanel, TheKeyFontKeepsThePanelsSizeAndWeight)
{
    QWidget window;
    SSPanel small(&window);
    SSPanel large(&window);
    makeChartPanel(small, QStringLiteral("Sarvik"), QStringLiteral("k"));
    makeChartPanel(large, QStringLiteral("Sarvik"), QStringLiteral("k"));
    small.setFontSize(12);
    EXPECT_DOUBLE_EQ(large.FontSize(), 48.0);
    EXPECT_TRUE(large.FontBold());

    // Count the ink: the larger letter covers far more of the face.
    auto ink = [](const QImage &image, const QColor &face) {
        int count = 0;
        for (int y = 4; y < image.height() - 4; ++y)
            for (int x = 4; x < image.width() - 4; ++x)
                count += image.pixelColor(x, y) != face;
        return count;
    };
    const QColor face = platform::fromBgr(0xD8E9EC);
    EXPECT_GT(ink(large.grab().toImage(), face), 4 * ink(small.grab().toImage(), face));
}

TEST(SSPanel, BevelsAreDrawnFromTheOutsideIn)
{
    SSPanel panel;
    panel.resize(40, 40);
    panel.setBackColor(0x808000); // teal: red 0, green 0x80, blue 0x80
    const QColor face(0, 0x80, 0x80);
    const QColor white(255, 255, 255);
    const QColor grey(0x80, 0x80, 0x80);

    panel.setBevelOuter(2);
    QImage image = panel.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), white);
    EXPECT_EQ(image.pixelColor(39, 39), grey);
    EXPECT_EQ(image.pixelColor(20, 20), face);

    panel.setBevelOuter(1);
    panel.setBevelSecond(2);
    panel.setBevelInner(1);
    image = panel.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), grey); // outer, inset
    EXPECT_EQ(image.pixelColor(39, 39), white);
    EXPECT_EQ(image.pixelColor(1, 1), white); // second, raised, right inside
    EXPECT_EQ(image.pixelColor(38, 38), grey);
    EXPECT_EQ(image.pixelColor(3, 3), face); // the border gap
    EXPECT_EQ(image.pixelColor(5, 5), grey); // inner, inset, after a gap of 3
    EXPECT_EQ(image.pixelColor(34, 34), white);

    panel.setBevelOuter(0);
    panel.setBevelSecond(0);
    panel.setBevelInner(0);
    image = panel.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), face);
    EXPECT_EQ(image.pixelColor(39, 39), face);
}

TEST(SSPanel, AClickOnThePanelRaisesClick)
{
    QWidget window;
    window.resize(300, 300);
    SSPanel panel(&window);
    panel.Move(240, 1920, 1095, 1095);
    EXPECT_EQ(panel.geometry(), QRect(16, 128, 73, 73));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(&panel, &SSPanel::Click);

    QTest::mouseClick(&panel, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    // Pressed on the panel but let go elsewhere: no click; nor a right click.
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseClick(&panel, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1);

    panel.setEnabled(false);
    QTest::mouseClick(&panel, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SSPanel, AControlOnThePanelIsPlacedInItAndHiddenWithIt)
{
    QWidget window;
    SSPanel frame(&window);
    frame.Move(1080, 840, 5580, 2270);
    SSPanel inner(&frame);
    inner.Move(120, 120, 1740, 2010);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(inner.mapTo(&window, QPoint(0, 0)), QPoint(72 + 8, 56 + 8));

    frame.hide();
    EXPECT_FALSE(inner.isVisible());
    EXPECT_TRUE(inner.Visible()) << "its own setting is untouched";
    frame.show();
    EXPECT_TRUE(inner.isVisible());
}

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

TEST(SSPanel, RefreshPaintsBeforeReturning)
{
    QWidget window;
    window.resize(200, 200);
    SSPanel panel(&window);
    panel.Move(150, 150, 1500, 1500);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    PaintCounter counter;
    panel.installEventFilter(&counter);
    panel.setBackColor(0xC0FFFF);
    EXPECT_EQ(counter.paints, 0) << "a change alone waits for the event loop";
    panel.Refresh();
    EXPECT_EQ(counter.paints, 1);
}

TEST(SSPanel, TagAndCaptionAreKeptAsWritten)
{
    SSPanel panel;
    panel.setTag(QStringLiteral("17"));
    panel.setCaption(QStringLiteral("&Plus"));
    EXPECT_EQ(panel.Tag(), QStringLiteral("17"));
    EXPECT_EQ(panel.Caption(), QStringLiteral("&Plus"));
    EXPECT_EQ(panel.shownText(), QStringLiteral("&Plus"));
}

} // namespace
