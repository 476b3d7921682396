// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/controls.h"
#include "platform/formdescription.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace platform {

// A window built from its description, with the program's view of its controls.
// The controls live as long as the window.
class Form {
public:
    explicit Form(const FormDescription& description);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The control of that name and kind; throws FormsError where the window has none.
    TextBox& textBox(std::string_view name);
    ComboBox& comboBox(std::string_view name);
    CommandButton& commandButton(std::string_view name);
    PictureBox& pictureBox(std::string_view name);

    // What assistive technology calls the control, for one that no label names; throws
    // FormsError where the window has no control of that name.
    void setAccessibleName(std::string_view controlName, std::string_view name);

    // Runs once, before the window is first shown.
    void onLoad(Handler handler) { m_load = std::move(handler); }
    void load();
    // Shows the window and gives the focus to the first control in tab order that takes it.
    void show();

    QWidget* widget() const { return m_window.get(); }

private:
    template <typename Kind> Kind& control(std::string_view name, std::string_view kindName);
    void focusChanged(QWidget* old, QWidget* now);

    std::string m_name;
    std::unique_ptr<QWidget> m_window;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<QWidget*> m_tabOrder;
    Handler m_load;
};

} // namespace platform
