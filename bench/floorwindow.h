// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>

class QWidget;

// The floor the program's start-up is measured against: a plain window holding the same
// standard widgets at the same places as the program's window, built directly, with no
// logic of ours.
std::unique_ptr<QWidget> buildFloorWindow();
