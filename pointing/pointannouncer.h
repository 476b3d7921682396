// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QString>

class QTimer;

namespace platform {
class DrawingSurface;
}

namespace pointing {

// Tells assistive technology, as a notification of the drawing surface, what lies at the point
// picked on it: once the moves pause, and while they go on at most once a second, so that a key
// held down never piles up words behind it. The newest text replaces one not yet told.
class PointAnnouncer : public QObject {
public:
    explicit PointAnnouncer(platform::DrawingSurface* surface);

    void tell(const QString& text);

private:
    void tellNow();

    platform::DrawingSurface* m_surface;
    QString m_pending;
    QTimer* m_pause;
    QTimer* m_longest;
};

} // namespace pointing
