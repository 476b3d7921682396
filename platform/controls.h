// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/conversions.h"
#include "platform/palette.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace platform {

class DrawingSurface;

using Handler = std::function<void()>;

// The program's view of one control of a window. The widget behind it belongs to the window.
class Control {
public:
    Control(std::string name, QWidget* widget);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }
    QWidget* widget() const { return m_widget; }

    // Runs when the keyboard focus leaves the control for another control of its window.
    void onLostFocus(Handler handler) { m_lostFocus = std::move(handler); }
    const Handler& lostFocusHandler() const { return m_lostFocus; }

private:
    std::string m_name;
    QWidget* m_widget;
    Handler m_lostFocus;
};

class Label : public Control {
public:
    using Control::Control;
};

class TextBox : public Control {
public:
    explicit TextBox(std::string name, QLineEdit* edit);

    std::string Text() const;
    void setText(std::string_view text);
    // Runs after every change of the text, whatever made it.
    void onChange(Handler handler);

private:
    QLineEdit* m_edit;
};

class ComboBox : public Control {
public:
    explicit ComboBox(std::string name, QComboBox* combo);

    // Appends an entry to the list; selects nothing and leaves the edit field as it is.
    void AddItem(std::string_view text);
    // The text of the edit field.
    std::string Text() const;

private:
    QComboBox* m_combo;
};

class CommandButton : public Control {
public:
    explicit CommandButton(std::string name, QPushButton* button);

    void onClick(Handler handler);
    // Presses the button as a click on it does: its click handler runs, and a refusal is told beside it.
    void press();

private:
    QPushButton* m_button;
};

class PictureBox : public Control {
public:
    explicit PictureBox(std::string name, DrawingSurface* surface);

    // Plot at absolute coordinates, in the colour given.
    static constexpr int kAbsoluteWithColour = 2;

    DrawingSurface* surface() const { return m_surface; }

    std::int16_t DrawWidth() const;
    // The pen width in pixels of later points, 1 to 32767.
    void setDrawWidth(std::int16_t width);
    // Plots one point at (x, y) twips, in colour, with the current pen width.
    void PSet(int flags, float x, float y, ColourValue colour);

private:
    DrawingSurface* m_surface;
};

} // namespace platform
