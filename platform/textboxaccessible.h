// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

namespace platform {

// Makes assistive technology read the window's text boxes as the toolkit presents them, but
// for one answer: a box's text is one run without attributes, where the toolkit gives an empty
// run at every offset, which a screen reader reads as the number short of its last digit.
void presentTextBoxesWhole();

} // namespace platform
