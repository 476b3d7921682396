// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include <optional>

class QFrame;
class QTimer;

namespace pointing {

// A small cross around a pixel of the drawing surface's sheet, lying over the sheet rather than
// drawn into it, so that it is never copied, saved or printed. Its arms leave the pixel and the
// two rings around it free, so that a dot there shows whole; a black line inside a white one, it
// shows on the white sheet and on every colour. It blinks as a text cursor does, at the desktop's
// pace, so that it hides no dot under an arm for long. It takes no click and no focus.
class CrossMark : public QWidget {
public:
    explicit CrossMark(QFrame* surface);

    // Marks pixel, counted from the top-left corner of the sheet, or nothing. A new mark shows at
    // once, whatever the blinking was at.
    void mark(std::optional<QPoint> pixel);
    std::optional<QPoint> marked() const { return m_pixel; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void blink();

    QFrame* m_surface;
    QTimer* m_blink;
    std::optional<QPoint> m_pixel;
    bool m_lit = true;
};

} // namespace pointing
