// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;

namespace platform {

// Makes holding down a key that presses the button, or whatever the widget does on it (Space,
// Select, Enter, Return), one press, whatever the keyboard's auto-repeat sends meanwhile.
void pressOncePerHold(QWidget* widget);

} // namespace platform
