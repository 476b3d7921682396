// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/palette.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <optional>

class QLineEdit;

namespace platform {
class CommandButton;
class DrawingSurface;
class TextBox;
} // namespace platform

namespace pointing {

class CrossMark;
class PointAnnouncer;

// A colour as a person knows it from the colour list, such as "4 Red".
using ColourName = std::function<QString(platform::ColourValue)>;

// Pointing at the drawing surface. A click picks a pixel and the X and Y boxes take its twips, so
// that Draw then plots on exactly that pixel; dragging with the button down moves it, and a double
// click picks and presses Draw. While the surface has the focus, the arrow keys move the point by
// a pixel (by ten with Shift), and Enter or Return presses Draw. A cross marks the point the boxes
// name while the surface or one of the boxes has the focus, and each move on the surface tells
// assistive technology the point and what is drawn there.
class PointPicker : public QObject {
public:
    PointPicker(platform::DrawingSurface* surface, platform::TextBox& x, platform::TextBox& y,
                platform::CommandButton& draw, ColourName colourName);

    // The pixel of the sheet that the boxes name, where both hold a number naming one it shows.
    std::optional<QPoint> pickedPixel() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The pixel the boxes name, read as Draw reads them; none where a number is past reading.
    std::optional<QPoint> namedPixel() const;
    QPoint nearestShown(QPoint pixel) const;
    void pick(QPoint pixel);
    void moveBy(QPoint step);
    void showCross();
    QString whatLiesAt(QPoint pixel) const;

    platform::DrawingSurface* m_surface;
    QPointer<QLineEdit> m_x;
    QPointer<QLineEdit> m_y;
    platform::CommandButton& m_draw;
    ColourName m_colourName;
    CrossMark* m_cross;
    PointAnnouncer* m_announcer;
};

} // namespace pointing
