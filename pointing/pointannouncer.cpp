// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "pointing/pointannouncer.h"

#include "platform/drawingsurface.h"
#include "platform/surfaceaccessible.h"

#include <QTimer>

namespace pointing {

namespace {

// Longer than the keyboard repeats a key held down, short enough to follow a single press at once.
constexpr int kPauseMs = 150;
constexpr int kLongestMs = 1000;

} // namespace

PointAnnouncer::PointAnnouncer(platform::DrawingSurface* surface)
    : QObject(surface), m_surface(surface), m_pause(new QTimer(this)), m_longest(new QTimer(this))
{
    for (QTimer* timer : {m_pause, m_longest}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &PointAnnouncer::tellNow);
    }
    m_pause->setObjectName(QStringLiteral("AnnouncementPause"));
    m_pause->setInterval(kPauseMs);
    m_longest->setInterval(kLongestMs);
}

void PointAnnouncer::tell(const QString& text)
{
    m_pending = text;
    m_pause->start();
    if (!m_longest->isActive())
        m_longest->start();
}

void PointAnnouncer::tellNow()
{
    m_pause->stop();
    m_longest->stop();
    platform::announce(m_surface, m_pending);
}

} // namespace pointing
