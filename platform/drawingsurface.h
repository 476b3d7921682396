// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/formserror.h"
#include "platform/palette.h"

#include <QFrame>
#include <QImage>

#include <cstdint>

namespace platform {

// The widget behind a picture box: a white sheet inside a sunken border that keeps every
// point plotted on it in a backing image, so points survive being covered, minimised and
// a change of screen scale. Coordinates are twips from the top-left corner inside the border.
class DrawingSurface : public QFrame {
    Q_OBJECT

public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    Status setDrawWidth(std::int16_t width);
    std::int16_t drawWidth() const { return m_drawWidth; }

    // A disc drawWidth() pixels across centred on (x, y); one pixel for width 1.
    void plot(float x, float y, ColourValue colour);

    // What has been drawn, in device pixels, without the border.
    const QImage& image() const { return m_image; }
    // Points that left ink on the sheet; assistive technology reads the count.
    long pointsDrawn() const { return m_pointsDrawn; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fitImage();

    QImage m_image;
    std::int16_t m_drawWidth = 1;
    long m_pointsDrawn = 0;
};

} // namespace platform
