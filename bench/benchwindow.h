// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <memory>

class QObject;
class QPushButton;

namespace platform {
class DrawingSurface;
class Form;
} // namespace platform

namespace plotting {
class Form1;
}

// The program's window as it is at start, shown on the current platform, and what the
// benchmarks need to drive it: typed coordinates and pen width, presses of Draw, and the
// paints that follow them.
class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    // Makes this the active window, as it is in use: the drawing surface then has the focus
    // and paints it. Windows built later take the activation away.
    void activate();

    // Types into the text boxes, as a person would; the pen width takes effect at once.
    void setPoint(int xTwips, int yTwips);
    void setPenWidth(int pixels);
    void setColour(std::int16_t number);

    // Presses Draw as a mouse click does: the button's clicked signal through the forms layer.
    void press();
    // Delivers what is pending, above all the paint of the area the last presses touched.
    void paintPending();

    // Presses Draw count times at points, colours and pen widths spread over the drawing
    // area, painting after every paintEvery presses and once at the end.
    void scatter(long count, long paintEvery);

    platform::DrawingSurface& surface() const { return *m_surface; }
    // How often the drawing surface has been painted since the window was built.
    long surfacePaints() const;

private:
    std::unique_ptr<platform::Form> m_form;
    std::shared_ptr<plotting::Form1> m_form1;
    platform::DrawingSurface* m_surface = nullptr;
    QPushButton* m_draw = nullptr;
    QObject* m_paintCounter = nullptr;
};
