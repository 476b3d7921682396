// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

class QAbstractButton;

namespace platform {

// Makes holding down a key that presses the button (Space, Select, Enter, Return) one press,
// whatever the keyboard's auto-repeat sends meanwhile.
void pressOncePerHold(QAbstractButton* button);

} // namespace platform
