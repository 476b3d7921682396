// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "pointing/crossmark.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace pointing {

namespace {

// Each arm runs from this many pixels off the marked one to kArmEnd; the white line around it
// reaches a pixel further out.
constexpr int kArmStart = 3;
constexpr int kArmEnd = 7;
constexpr int kReach = kArmEnd + 1;

} // namespace

CrossMark::CrossMark(QFrame* surface) : QWidget(surface), m_surface(surface), m_blink(new QTimer(this))
{
    setObjectName(QStringLiteral("CrossMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(2 * kReach + 1, 2 * kReach + 1);
    hide();
    m_blink->setObjectName(QStringLiteral("CrossBlink"));
    connect(m_blink, &QTimer::timeout, this, &CrossMark::blink);
}

void CrossMark::mark(std::optional<QPoint> pixel)
{
    if (pixel == m_pixel && isVisible() == pixel.has_value())
        return;
    m_pixel = pixel;
    m_blink->stop();
    if (!m_pixel) {
        hide();
        return;
    }
    move(m_surface->contentsRect().topLeft() + *m_pixel - QPoint(kReach, kReach));
    m_lit = true;
    show();
    // A desktop that keeps its cursors from blinking keeps this one still too.
    if (const int flash = QApplication::cursorFlashTime(); flash > 0)
        m_blink->start(flash / 2);
}

void CrossMark::blink()
{
    m_lit = !m_lit;
    update();
}

void CrossMark::paintEvent(QPaintEvent*)
{
    if (!m_lit)
        return;
    QPainter painter(this);
    // Over the sheet only, never over the surface's border.
    painter.setClipRect(QRect(mapFromParent(m_surface->contentsRect().topLeft()), m_surface->contentsRect().size()));
    const QPoint centre(kReach, kReach);
    for (const QColor colour : {QColor(Qt::white), QColor(Qt::black)}) {
        for (const QPoint direction : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            // The white line a pixel wider on each side and longer outwards, never inwards.
            const int border = colour == Qt::white ? 1 : 0;
            const QPoint side = QPoint(direction.y(), direction.x()) * border;
            const QPoint start = centre + direction * kArmStart - side;
            const QPoint end = centre + direction * (kArmEnd + border) + side;
            painter.fillRect(QRect(QPoint(std::min(start.x(), end.x()), std::min(start.y(), end.y())),
                                   QPoint(std::max(start.x(), end.x()), std::max(start.y(), end.y()))),
                             colour);
        }
    }
}

} // namespace pointing
