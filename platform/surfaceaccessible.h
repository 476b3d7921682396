// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

class QString;

namespace platform {

class DrawingSurface;

// What assistive technology is told of a drawing surface: a canvas that says how many points are
// drawn on it, and says it again, as a notification, whenever the count changes; and whatever
// else is said of it, as another notification.

// Before the first surface is made: while assistive technology listens, the first change
// announced makes the interface it reads, and the toolkit keeps it for good.
void installSurfaceAccessibility();
// Tells assistive technology that the count of points drawn on surface changed.
void announceCount(DrawingSurface* surface);
// Tells assistive technology text about the surface, as a notification of its own.
void announce(DrawingSurface* surface, const QString& text);

} // namespace platform
