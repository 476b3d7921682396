// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/drawingsurface.h"
#include "windowfixture.h"

#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTest>

// Under a dark desktop theme the controls take the theme's colours and the sheet stays white.
class DesktopThemeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_original = QApplication::palette(); }
    void cleanup()
    {
        m_window.close();
        QApplication::setPalette(m_original);
    }

    void controlsFollowADarkTheme_data();
    void controlsFollowADarkTheme();

private:
    WindowFixture m_window;
    QPalette m_original;
};

namespace {

QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x30, 0x30, 0x30);
    const QColor base(0x1e, 0x1e, 0x1e);
    const QColor text(0xe8, 0xe8, 0xe8);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Light, QColor(0x50, 0x50, 0x50));
        dark.setColor(group, QPalette::Midlight, QColor(0x40, 0x40, 0x40));
        dark.setColor(group, QPalette::Mid, QColor(0x28, 0x28, 0x28));
        dark.setColor(group, QPalette::Dark, QColor(0x18, 0x18, 0x18));
        dark.setColor(group, QPalette::Shadow, Qt::black);
        dark.setColor(group, QPalette::Highlight, QColor(0x3d, 0x7a, 0xc8));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    return dark;
}

// How light a widget shows at `point`, 0 to 255.
int lightnessAt(QWidget* widget, QPoint point)
{
    const QImage shown = widget->grab().toImage();
    return QColor(shown.pixel((QPointF(point) * shown.devicePixelRatio()).toPoint())).lightness();
}

// The lightest pixel a widget shows.
int lightest(QWidget* widget)
{
    const QImage shown = widget->grab().toImage();
    int most = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            most = std::max(most, QColor(shown.pixel(x, y)).lightness());
    }
    return most;
}

} // namespace

void DesktopThemeTest::controlsFollowADarkTheme_data()
{
    QTest::addColumn<bool>("beforeOpening");
    QTest::newRow("dark theme in force when the window opens") << true;
    QTest::newRow("desktop switches to dark while the window is open") << false;
}

void DesktopThemeTest::controlsFollowADarkTheme()
{
    QFETCH(bool, beforeOpening);

    if (beforeOpening)
        QApplication::setPalette(darkPalette());
    QVERIFY(m_window.open());
    m_window.type("txtx", "1200");
    m_window.type("txty", "600");
    m_window.pressDraw();
    if (!beforeOpening)
        QApplication::setPalette(darkPalette());
    QCoreApplication::processEvents();

    auto* box = m_window.find<QLineEdit>("txtx");
    QVERIFY(box->palette().color(QPalette::Base).lightness() < 64);
    // The box's empty right part, the window's background between the boxes and the sheet,
    // and the button beside its caption are dark.
    QVERIFY(lightnessAt(box, QPoint(70, 9)) < 64);
    QVERIFY(lightnessAt(m_window.window(), QPoint(150, 84)) < 64);
    QVERIFY(lightnessAt(m_window.find<QPushButton>("cmdDraw"), QPoint(20, 8)) < 96);
    // Captions and typed text stay readable: light on dark.
    QVERIFY(lightest(m_window.find<QLabel>("Label1")) > 192);
    QVERIFY(lightest(box) > 192);

    // The drawing area is white but for the point drawn, which keeps its colour.
    QCOMPARE(m_window.inkedPixels(), QList<QPoint>{QPoint(80, 40)});
    QCOMPARE(m_window.drawingArea().pixel(80, 40), qRgb(0, 0, 0));
    QCOMPARE(m_window.surface()->image().pixel(0, 0), qRgb(255, 255, 255));

    // With the focus the area shows a ring of the theme's highlight on its outermost pixels,
    // all four edges of it inside the area.
    m_window.click("Picture1");
    const QImage ringed = m_window.surface()->grab().toImage();
    const QRgb highlight = darkPalette().color(QPalette::Highlight).rgb();
    const auto lit = [&](int x, int y) { return ringed.pixel(x, y) == highlight; };
    for (int x = 0; x < ringed.width(); ++x)
        QVERIFY2(lit(x, 0) && lit(x, ringed.height() - 1), qPrintable(QString("column %1").arg(x)));
    for (int y = 0; y < ringed.height(); ++y)
        QVERIFY2(lit(0, y) && lit(ringed.width() - 1, y), qPrintable(QString("row %1").arg(y)));
}

QTEST_MAIN(DesktopThemeTest)
#include "tst_desktoptheme.moc"
