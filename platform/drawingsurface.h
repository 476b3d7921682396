// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/dotstore.h"
#include "platform/formserror.h"
#include "platform/palette.h"
#include "platform/sheet.h"

#include <QFrame>
#include <QImage>

#include <cstdint>
#include <optional>

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
    const QImage& image() const { return m_sheet.image(); }
    // The colour drawn on the logical pixel at `pixel` from the sheet's top-left corner; none
    // where nothing is drawn there, a white dot on the white sheet told apart from the sheet.
    std::optional<ColourValue> inkAt(QPoint pixel) const;
    // What the drawing area shows inside its border, one pixel per logical pixel: the dots as
    // drawn at scale 1, whatever the screen's scale.
    QImage picture();
    // How to use the surface beyond what its role tells, for assistive technology.
    const QString& accessibleHelp() const { return m_accessibleHelp; }
    void setAccessibleHelp(const QString& help) { m_accessibleHelp = help; }

    // The points that left ink on the sheet, as they were drawn; assistive technology reads the count.
    const DotStore& dots() const { return m_sheet.dots(); }
    long pointsDrawn() const { return static_cast<long>(m_sheet.dots().size()); }

    // Makes the sheet white again and gives back what it held.
    Sheet clear();
    // Puts a sheet in place of this one: one that clear() gave back, or one made of dots alone.
    void restore(Sheet sheet);
    // Takes the newest point away; the pixels it covered are as they were before it.
    Dot takeLastDot();
    // Plots a point taken away before, with its own colour and pen width.
    void restoreDot(const Dot& dot);

Q_SIGNALS:
    // plot() left a new point on the sheet, the newest of dots().
    void plotted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fitImage();
    void countChanged();
    // Repaints the part of the area that shows these device pixels of the sheet.
    void updateSheet(const QRect& pixels);

    Sheet m_sheet;
    std::int16_t m_drawWidth = 1;
    QString m_accessibleHelp;
};

} // namespace platform
