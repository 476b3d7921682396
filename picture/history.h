// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/dotstore.h"
#include "platform/sheet.h"

#include <QObject>

#include <cstddef>
#include <optional>
#include <vector>

namespace platform {
class DrawingSurface;
}

namespace picture {

// Every step taken on a drawing surface, to be undone and redone: each dot plotted and each
// Clear. A step that plots nothing, or clears an empty sheet, is none.
//
// It follows the toolkit's undo stack (a step undone is redone, a new step forgets those undone,
// the clean state is the unsaved mark), but keeps a dot's step in the dot itself: the surface
// keeps the dots drawn and draws again what a dot covered, and the dots undone wait here in the
// same compact store. An object for every step would cost ten times the 16 bytes of a dot.
class History : public QObject {
    Q_OBJECT

public:
    enum class Step { Dot, Clear };

    explicit History(platform::DrawingSurface* surface);

    std::optional<Step> undoStep() const;
    std::optional<Step> redoStep() const;
    // Each does nothing where there is no such step.
    void undo();
    void redo();
    void clear();

    // Whether the drawing is as it was when it was last marked clean (opened, saved or started).
    bool isClean() const { return m_clean == m_index; }
    void setClean();
    // Forgets every step, as for a drawing just opened; clean or not as given.
    void reset(bool clean);

Q_SIGNALS:
    // A step was taken, undone or redone, or the history was reset.
    void changed();
    void cleanChanged(bool clean);

private:
    // A run of dot steps, or one Clear with the sheet it cleared.
    struct Entry {
        Step step = Step::Dot;
        std::size_t dots = 0;
        platform::Sheet sheet;
    };

    void plotted();
    void changedFrom(bool wasClean);
    static void pushStep(std::vector<Entry>& entries, Step step, platform::Sheet sheet = {});
    static Step popStep(std::vector<Entry>& entries, platform::Sheet* sheet);

    platform::DrawingSurface* m_surface;
    std::vector<Entry> m_done;
    std::vector<Entry> m_undone; // the next to redo last
    platform::DotStore m_undoneDots;
    long m_index = 0;                // steps done since the start
    std::optional<long> m_clean = 0; // none once the clean state was undone and replaced
};

} // namespace picture
