// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/history.h"

#include "platform/drawingsurface.h"

#include <utility>

namespace picture {

using platform::DrawingSurface;
using platform::Sheet;

History::History(DrawingSurface* surface) : QObject(surface), m_surface(surface)
{
    connect(surface, &DrawingSurface::plotted, this, &History::plotted);
}

std::optional<History::Step> History::undoStep() const
{
    return m_done.empty() ? std::nullopt : std::optional(m_done.back().step);
}

std::optional<History::Step> History::redoStep() const
{
    return m_undone.empty() ? std::nullopt : std::optional(m_undone.back().step);
}

void History::pushStep(std::vector<Entry>& entries, Step step, Sheet sheet)
{
    if (step == Step::Dot && !entries.empty() && entries.back().step == Step::Dot)
        ++entries.back().dots;
    else
        entries.push_back({step, step == Step::Dot ? 1u : 0u, std::move(sheet)});
}

History::Step History::popStep(std::vector<Entry>& entries, Sheet* sheet)
{
    Entry& last = entries.back();
    const Step step = last.step;
    if (step == Step::Clear)
        *sheet = std::move(last.sheet);
    if (step == Step::Clear || --last.dots == 0)
        entries.pop_back();
    return step;
}

void History::plotted()
{
    const bool wasClean = isClean();
    pushStep(m_done, Step::Dot);
    // A new step forgets those undone; the clean state among them can no longer be reached.
    if (m_clean && *m_clean > m_index)
        m_clean.reset();
    ++m_index;
    m_undone.clear();
    m_undoneDots = {};
    changedFrom(wasClean);
}

void History::clear()
{
    if (m_surface->pointsDrawn() == 0)
        return;
    const bool wasClean = isClean();
    pushStep(m_done, Step::Clear, m_surface->clear());
    if (m_clean && *m_clean > m_index)
        m_clean.reset();
    ++m_index;
    m_undone.clear();
    m_undoneDots = {};
    changedFrom(wasClean);
}

void History::undo()
{
    if (m_done.empty())
        return;
    const bool wasClean = isClean();
    Sheet sheet;
    if (popStep(m_done, &sheet) == Step::Dot) {
        m_undoneDots.append(m_surface->takeLastDot());
        pushStep(m_undone, Step::Dot);
    } else {
        m_surface->restore(std::move(sheet));
        pushStep(m_undone, Step::Clear);
    }
    --m_index;
    changedFrom(wasClean);
}

void History::redo()
{
    if (m_undone.empty())
        return;
    const bool wasClean = isClean();
    Sheet unused;
    if (popStep(m_undone, &unused) == Step::Dot) {
        m_surface->restoreDot(m_undoneDots.back());
        m_undoneDots.removeLast();
        pushStep(m_done, Step::Dot);
    } else {
        pushStep(m_done, Step::Clear, m_surface->clear());
    }
    ++m_index;
    changedFrom(wasClean);
}

void History::setClean()
{
    const bool wasClean = isClean();
    m_clean = m_index;
    changedFrom(wasClean);
}

void History::reset(bool clean)
{
    const bool wasClean = isClean();
    m_done.clear();
    m_undone.clear();
    m_undoneDots = {};
    m_index = 0;
    m_clean = clean ? std::optional<long>(0) : std::nullopt;
    changedFrom(wasClean);
}

void History::changedFrom(bool wasClean)
{
    Q_EMIT changed();
    if (wasClean != isClean())
        Q_EMIT cleanChanged(isClean());
}

} // namespace picture
