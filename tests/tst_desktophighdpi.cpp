// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/drawingsurface.h"
#include "plotting/colourlist.h"
#include "windowfixture.h"

#include <QApplication>
#include <QBackingStore>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <functional>

// The window on a screen scaled by QT_SCALE_FACTOR: CTest runs this at 1, 1.25, 1.5 and 2.
// Positions are in the window's own (logical) pixels unless called device pixels.
class DesktopHighDpiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_window.open()); }
    void cleanup() { m_window.close(); }

    void screenHasTheScaleAskedFor();
    void windowKeepsItsProportions();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void pointsAreDrawnInDevicePixels_data();
    void pointsAreDrawnInDevicePixels();

private:
    double scale() const { return m_window.window()->devicePixelRatioF(); }

    WindowFixture m_window;
};

namespace {

// The device pixels where `widget` shows text: those that change when `setText` puts the
// text in, relative to the widget's top-left corner. Empty where nothing changes.
QRect inkOf(QWidget* widget, const QString& text, const std::function<void(const QString&)>& setText)
{
    setText(QString());
    const QImage blank = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    setText(text);
    const QImage written = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect ink;
    for (int y = 0; y < written.height(); ++y) {
        for (int x = 0; x < written.width(); ++x) {
            if (written.pixel(x, y) != blank.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// The non-white pixels of an image, in device pixels.
QList<QPoint> inkedPixels(const QImage& image, const QSize& within)
{
    QList<QPoint> inked;
    for (int y = 0; y < within.height(); ++y) {
        for (int x = 0; x < within.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                inked << QPoint(x, y);
        }
    }
    return inked;
}

} // namespace

void DesktopHighDpiTest::screenHasTheScaleAskedFor()
{
    // Without this every run would quietly test scale 1.
    const double asked = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    QCOMPARE(scale(), asked);
    QCOMPARE(m_window.surface()->image().devicePixelRatio(), asked);
}

void DesktopHighDpiTest::windowKeepsItsProportions()
{
    QWidget* window = m_window.window();
    QCOMPARE(window->size(), QSize(312, 228));
    const QImage shown = window->grab().toImage();
    QVERIFY2(qAbs(shown.width() - 312 * scale()) <= 1 && qAbs(shown.height() - 228 * scale()) <= 1,
             qPrintable(QString("%1 by %2 device pixels").arg(shown.width()).arg(shown.height())));

    // The drawing surface fills the same share of the window at every scale.
    const QRect area = m_window.surface()->geometry();
    QCOMPARE(area, QRect(8, 88, 289, 113));
    const QImage sheet = m_window.drawingArea();
    QVERIFY(qAbs(sheet.width() - 285 * scale()) <= 1 && qAbs(sheet.height() - 109 * scale()) <= 1);

    // Grown, it moves and resizes nothing; it cannot be made smaller than its controls reach.
    for (const auto& [asked, size] : {std::pair(QSize(640, 480), QSize(640, 480)), {QSize(1, 1), QSize(297, 225)}}) {
        window->resize(asked);
        QTRY_COMPARE(window->size(), size);
        QCOMPARE(m_window.surface()->geometry(), area);
        for (const QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY(!control->isVisible() || window->rect().contains(control->geometry()));
    }
}

void DesktopHighDpiTest::captionsFitTheirControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("besideBox"); // for a label, the box that covers its right part

    QTest::newRow("X coor before the X box") << "Label1"
                                             << "X coor"
                                             << "txtx";
    QTest::newRow("Y coor before the Y box") << "Label2"
                                             << "Y coor"
                                             << "txty";
    QTest::newRow("Thickness before its box") << "Label3"
                                              << "Thickness"
                                              << "Text3";
    QTest::newRow("Draw on the button") << "cmdDraw"
                                        << "Draw"
                                        << "";
    QTest::newRow("a five-digit thickness") << "Text3"
                                            << "32767"
                                            << "";
    QTest::newRow("the X at the area's right edge") << "txtx"
                                                    << "4259"
                                                    << "";
    for (const std::string_view entry : plotting::kColourList) {
        const QString text = QString::fromUtf8(entry.data(), qsizetype(entry.size()));
        QTest::newRow(qPrintable("\"" + text + "\" in the colour list")) << "Combo1" << text << "";
    }
}

void DesktopHighDpiTest::captionsFitTheirControls()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, besideBox);

    QWidget* widget = m_window.find<QWidget>(control.toUtf8().constData());
    std::function<void(const QString&)> setText;
    if (auto* label = qobject_cast<QLabel*>(widget))
        setText = [label](const QString& t) { label->setText(t); };
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        setText = [button](const QString& t) { button->setText(t); };
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        setText = [edit](const QString& t) { edit->setText(t); };
    else if (auto* list = qobject_cast<QComboBox*>(widget))
        setText = [list](const QString& t) { list->setEditText(t); };
    QVERIFY(setText);

    const QRect ink = inkOf(widget, text, setText);
    QVERIFY2(!ink.isEmpty(), "the text does not show");
    // Given all the room it could want, the text shows no more of itself than it does here.
    const QSize size = widget->size();
    widget->resize(size.width() * 3, size.height() * 2);
    const QRect roomyInk = inkOf(widget, text, setText);
    widget->resize(size);
    QVERIFY2(qAbs(ink.width() - roomyInk.width()) <= 1 && qAbs(ink.height() - roomyInk.height()) <= 1,
             qPrintable(QString("%1x%2 device pixels of ink, %3x%4 with room to spare")
                            .arg(ink.width())
                            .arg(ink.height())
                            .arg(roomyInk.width())
                            .arg(roomyInk.height())));

    if (!besideBox.isEmpty()) {
        // A label lies beneath the box beside it, so its caption must end before the box.
        const int boxFrom = m_window.find<QWidget>(besideBox.toUtf8().constData())->x() - widget->x();
        QVERIFY2(ink.x() + ink.width() <= boxFrom * scale(),
                 qPrintable(QString("the caption reaches %1 device pixels, the box starts at %2")
                                .arg(ink.x() + ink.width())
                                .arg(boxFrom * scale())));
    }
}

void DesktopHighDpiTest::pointsAreDrawnInDevicePixels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QRgb>("rgb");
    QTest::addColumn<QPoint>("pixel"); // the logical pixel of the point

    QTest::newRow("width 1, black") << 1 << "0" << qRgb(0, 0, 0) << QPoint(80, 40);
    QTest::newRow("width 2, light red") << 2 << "12" << qRgb(0xFF, 0, 0) << QPoint(80, 40);
    QTest::newRow("width 7, blue") << 7 << "1" << qRgb(0, 0, 0x80) << QPoint(80, 40);
    QTest::newRow("width 3, green, near the lower right corner") << 3 << "2" << qRgb(0, 0x80, 0) << QPoint(270, 100);
}

void DesktopHighDpiTest::pointsAreDrawnInDevicePixels()
{
    QFETCH(int, width);
    QFETCH(QString, colour);
    QFETCH(QRgb, rgb);
    QFETCH(QPoint, pixel);

    m_window.click("Combo1");
    QTest::keyClicks(QApplication::focusWidget(), colour);
    m_window.type("Text3", QString::number(width));
    m_window.point(QString("click %1 %2").arg(pixel.x()).arg(pixel.y())); // its twips in the boxes
    m_window.pressDraw();
    QVERIFY(m_window.shownNotes().isEmpty()); // nothing refused, and nothing told to lie outside

    // The backing image holds what is drawn at the screen's resolution.
    platform::DrawingSurface* surface = m_window.surface();
    const QImage& image = surface->image();
    QCOMPARE(image.devicePixelRatio(), scale());
    const QImage shown = m_window.drawingArea();
    QVERIFY(image.width() >= shown.width() && image.height() >= shown.height());
    const QList<QPoint> inked = inkedPixels(image, shown.size());

    // Width pixels across at this scale, whole device pixels of the one colour: not blurred.
    const int across = std::max(1, int(std::lround(width * scale())));
    QRect bounds;
    for (const QPoint& pixel : inked) {
        bounds |= QRect(pixel, QSize(1, 1));
        QCOMPARE(image.pixel(pixel), rgb);
    }
    QCOMPARE(bounds.size(), QSize(across, across));
    if (across <= 3)
        QCOMPARE(inked.size(), across * across);
    else
        QVERIFY(inked.size() > 0.7 * across * across && inked.size() < 0.9 * across * across);
    // Centred on the middle of the logical pixel that holds the point.
    const QPointF middle = (QPointF(pixel) + QPointF(0.5, 0.5)) * scale();
    const QPointF centre = QRectF(bounds).center();
    QVERIFY2(qAbs(centre.x() - middle.x()) <= 0.5 && qAbs(centre.y() - middle.y()) <= 0.5,
             qPrintable(QString("centre %1,%2").arg(centre.x()).arg(centre.y())));

    // The person sees exactly these pixels, painted one to one: in a grab of the widget, and
    // in the window's backing store, which reaches the screen, after the partial repaint.
    QCOMPARE(inkedPixels(shown, shown.size()), inked);
    for (const QPoint& pixel : inked)
        QCOMPARE(shown.pixel(pixel), rgb);
    auto* store = dynamic_cast<QImage*>(m_window.window()->backingStore()->paintDevice());
    QVERIFY(store);
    const QPoint origin =
        (QPointF(surface->mapTo(m_window.window(), surface->contentsRect().topLeft())) * scale()).toPoint();
    QTRY_COMPARE(inkedPixels(store->copy(QRect(origin, shown.size())), shown.size()), inked);
    // The picture copied and saved has one pixel per logical pixel and holds the dot as drawn at
    // scale 1, of its exact colour, whatever the scale.
    const QImage picture = surface->picture();
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(surface->contentsRect().size()));
    const QList<QPoint> inPicture = inkedPixels(picture, picture.size());
    QRect pictured;
    for (const QPoint& inked : inPicture) {
        pictured |= QRect(inked, QSize(1, 1));
        QCOMPARE(picture.pixel(inked), rgb);
    }
    QCOMPARE(pictured.size(), QSize(width, width));
    QCOMPARE(pictured.center(), pixel);

    // Pointed at again, the dot is told with its colour.
    m_window.point("Left, Right");
    const std::string_view name = plotting::kColourList[std::size_t(colour.toInt())];
    QTRY_COMPARE(m_window.toldOfTheArea(), QString("%1, %2: %3 dot")
                                               .arg(pixel.x() * 15)
                                               .arg(pixel.y() * 15)
                                               .arg(QString::fromUtf8(name.data(), qsizetype(name.size()))));
}

QTEST_MAIN(DesktopHighDpiTest)
#include "tst_desktophighdpi.moc"
