// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

namespace platform {

// Makes assistive technology read the window's text boxes and menu items as the toolkit
// presents them, but for two answers a screen reader misreads:
// - a box's text is one run without attributes, where the toolkit gives an empty run at every
//   offset, which a screen reader reads as the number short of its last digit;
// - a menu item's keys are given as its shortcut, where the toolkit gives them in the place of
//   its mnemonic, which a screen reader does not speak.
void mendToolkitAccessibility();

} // namespace platform
