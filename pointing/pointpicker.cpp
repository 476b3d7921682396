// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "pointing/pointpicker.h"

#include "platform/controls.h"
#include "platform/conversions.h"
#include "platform/drawingsurface.h"
#include "platform/formdescription.h"
#include "platform/heldkey.h"
#include "pointing/crossmark.h"
#include "pointing/pointannouncer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <exception>

namespace pointing {

namespace {

// Far enough past any sheet that a step from there still lands outside it, near enough to add to.
constexpr double kFarPixel = 1e6;

// The pixel holding twips as plot() finds it: the coordinate narrowed to single precision first.
std::optional<int> pixelOf(const QLineEdit* box)
{
    try {
        const float twips = platform::narrowToSingle(platform::numberFromText(box->text().toStdString()));
        return static_cast<int>(std::clamp(std::floor(twips / platform::kTwipsPerPixel), -kFarPixel, kFarPixel));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

QString twipsOf(int pixel)
{
    return QString::number(pixel * static_cast<int>(platform::kTwipsPerPixel));
}

} // namespace

PointPicker::PointPicker(platform::DrawingSurface* surface, platform::TextBox& x, platform::TextBox& y,
                         platform::CommandButton& draw, ColourName colourName)
    : QObject(surface), m_surface(surface), m_x(qobject_cast<QLineEdit*>(x.widget())),
      m_y(qobject_cast<QLineEdit*>(y.widget())), m_draw(draw), m_colourName(std::move(colourName)),
      m_cross(new CrossMark(surface)), m_announcer(new PointAnnouncer(surface))
{
    surface->installEventFilter(this);
    // Installed last, so it sees the keys first: Enter held down presses Draw once.
    platform::pressOncePerHold(surface);
    surface->setCursor(Qt::CrossCursor);
    surface->setAccessibleHelp(surface->accessibleHelp() + u' ' +
                               QCoreApplication::translate(
                                   "PointPicker", "The arrow keys move the point to draw at, by ten pixels with Shift; "
                                                  "Enter draws there."));
    for (QLineEdit* box : {m_x.data(), m_y.data()})
        connect(box, &QLineEdit::textChanged, this, &PointPicker::showCross);
    connect(qApp, &QApplication::focusChanged, this, &PointPicker::showCross);
}

std::optional<QPoint> PointPicker::namedPixel() const
{
    const std::optional<int> x = pixelOf(m_x);
    const std::optional<int> y = pixelOf(m_y);
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

std::optional<QPoint> PointPicker::pickedPixel() const
{
    const std::optional<QPoint> pixel = namedPixel();
    const bool typed =
        platform::holdsNumber(m_x->text().toStdString()) && platform::holdsNumber(m_y->text().toStdString());
    if (!typed || !pixel || !QRect(QPoint(0, 0), m_surface->contentsRect().size()).contains(*pixel))
        return std::nullopt;
    return pixel;
}

QPoint PointPicker::nearestShown(QPoint pixel) const
{
    const QSize shown = m_surface->contentsRect().size();
    return QPoint(std::clamp(pixel.x(), 0, std::max(0, shown.width() - 1)),
                  std::clamp(pixel.y(), 0, std::max(0, shown.height() - 1)));
}

void PointPicker::pick(QPoint pixel)
{
    m_x->setText(twipsOf(pixel.x()));
    m_y->setText(twipsOf(pixel.y()));
    m_announcer->tell(whatLiesAt(pixel));
}

void PointPicker::moveBy(QPoint step)
{
    // From the pixel the boxes name, brought inside the sheet; a number past reading counts as 0.
    const QPoint from(pixelOf(m_x).value_or(0), pixelOf(m_y).value_or(0));
    pick(nearestShown(nearestShown(from) + step));
}

QString PointPicker::whatLiesAt(QPoint pixel) const
{
    const QString x = twipsOf(pixel.x());
    const QString y = twipsOf(pixel.y());
    if (const std::optional<platform::ColourValue> ink = m_surface->inkAt(pixel))
        return QCoreApplication::translate("PointPicker", "%1, %2: %3 dot").arg(x, y, m_colourName(*ink));
    return QCoreApplication::translate("PointPicker", "%1, %2: nothing drawn").arg(x, y);
}

// The cross marks the point the boxes name while the person works with it: in the drawing area or
// in the boxes, in the window that has the focus.
void PointPicker::showCross()
{
    if (!m_x || !m_y)
        return;
    const QWidget* focus = QApplication::focusWidget();
    const bool working = focus && (focus == m_surface || focus == m_x || focus == m_y);
    m_cross->mark(working ? pickedPixel() : std::nullopt);
}

bool PointPicker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool left =
            event->type() == QEvent::MouseMove ? mouse->buttons() & Qt::LeftButton : mouse->button() == Qt::LeftButton;
        if (!left)
            break;
        const QPointF onSheet = mouse->position() - m_surface->contentsRect().topLeft();
        pick(nearestShown(QPoint(int(std::floor(onSheet.x())), int(std::floor(onSheet.y())))));
        if (event->type() == QEvent::MouseButtonDblClick)
            m_draw.press();
        return true;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (modifiers != Qt::NoModifier)
                break;
            m_draw.press();
            return true;
        }
        if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
            break;
        const int pixels = modifiers == Qt::ShiftModifier ? 10 : 1;
        switch (key->key()) {
        case Qt::Key_Left:
            moveBy(QPoint(-pixels, 0));
            return true;
        case Qt::Key_Right:
            moveBy(QPoint(pixels, 0));
            return true;
        case Qt::Key_Up:
            moveBy(QPoint(0, -pixels));
            return true;
        case Qt::Key_Down:
            moveBy(QPoint(0, pixels));
            return true;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pointing
