// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/dotstore.h"
#include "platform/formserror.h"
#include "platform/palette.h"

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
    const QImage& image() const { return m_image; }
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
    const DotStore& dots() const { return m_dots; }
    long pointsDrawn() const { return static_cast<long>(m_dots.size()); }

    // Makes the sheet white again. What it held is kept until the next point is drawn, so
    // that undoClear() can bring it back.
    void clear();
    void undoClear();
    bool canUndoClear() const { return m_cleared.has_value(); }

Q_SIGNALS:
    void undoClearChanged(bool possible);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fitImage();
    void countChanged();

    struct Sheet {
        QImage image;
        QImage inked;
        DotStore dots;
    };

    QImage m_image;
    // Which device pixels of m_image hold ink (non-zero) rather than the white of the sheet.
    QImage m_inked;
    DotStore m_dots;
    std::optional<Sheet> m_cleared;
    std::int16_t m_drawWidth = 1;
    QString m_accessibleHelp;
};

} // namespace platform
