// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/notes/noteboard.h"

#include "platform/notes/note.h"

#include <QKeyEvent>
#include <QTimer>

#include <algorithm>

namespace platform {

namespace {

// How long typing must pause before a value still being typed is refused.
constexpr int kTypingPauseMs = 700;

} // namespace

NoteBoard::NoteBoard(QWidget* window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("NoteBoard"));
    window->installEventFilter(this);
}

NoteBoard& NoteBoard::of(QWidget* window)
{
    window = window->window();
    // Asked at every handler run: the window last asked about is answered without a search.
    static QPointer<NoteBoard> last;
    if (!last || last->m_window != window) {
        last = window->findChild<NoteBoard*>(QStringLiteral("NoteBoard"), Qt::FindDirectChildrenOnly);
        if (!last)
            last = new NoteBoard(window);
    }
    return *last;
}

std::uint64_t NoteBoard::handlerStarts(QWidget* control)
{
    m_running.push_back(control);
    return ++m_serial;
}

void NoteBoard::handlerEnded(QWidget* control, std::uint64_t started)
{
    m_running.pop_back();
    std::vector<Note*> mended;
    for (const Entry& entry : m_entries) {
        if (entry.note && entry.note->control() == control && entry.serial < started)
            mended.push_back(entry.note);
    }
    for (Note* note : mended)
        remove(note);
}

void NoteBoard::refuse(QWidget* control, const QString& text, ReportTiming timing)
{
    m_running.pop_back();
    add(control, text, true, timing);
}

void NoteBoard::tell(QWidget* fallback, const QString& text)
{
    add(m_running.empty() ? fallback : m_running.back(), text, false, ReportTiming::AtOnce);
}

void NoteBoard::add(QWidget* control, const QString& text, bool refusal, ReportTiming timing)
{
    for (const Entry& entry : m_entries) {
        if (entry.note && entry.note->control() == control) {
            remove(entry.note);
            break;
        }
    }
    auto* note = new Note(control, text, refusal);
    connect(note, &Note::clicked, this, [this, note] { remove(note); });
    Entry entry{note, nullptr, ++m_serial};
    if (timing == ReportTiming::WhenTypingPauses) {
        entry.pause = new QTimer(note);
        entry.pause->setObjectName(QStringLiteral("TypingPause"));
        entry.pause->setSingleShot(true);
        connect(entry.pause, &QTimer::timeout, this, [this, note] { show(note); });
        entry.pause->start(kTypingPauseMs);
    }
    m_entries.push_back(entry);
    if (!entry.pause)
        show(note);
}

void NoteBoard::show(Note* note)
{
    // Newest is the one shown last: it stands whole where the others make room.
    const auto shown =
        std::find_if(m_entries.begin(), m_entries.end(), [note](const Entry& entry) { return entry.note == note; });
    Entry entry = *shown;
    entry.pause = nullptr;
    m_entries.erase(shown);
    m_entries.push_back(entry);
    placeAll();
    note->raise();
    note->show();
}

void NoteBoard::remove(Note* note)
{
    for (const Entry& entry : m_entries) {
        if (entry.note == note && entry.pause)
            entry.pause->stop();
    }
    std::erase_if(m_entries, [note](const Entry& entry) { return !entry.note || entry.note == note; });
    note->hide();
    note->deleteLater();
    placeAll(); // the notes that made room take it back
}

// Places every note that is due, the newest first, in the best place the newer ones leave it.
// A note that would hide a control, another note, or more of the drawing surface there than
// it would alone, shrinks to one line: where the window has no room for two whole notes, the
// newest shows whole and the older ones stay in sight.
void NoteBoard::placeAll()
{
    std::vector<QRect> placed;
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        Note* note = entry->note;
        if (!note || entry->pause)
            continue;
        note->setCompact(false);
        Note::Place place = note->bestPlace(placed);
        if (!placed.empty() && (place.hiddenControls > 0 || place.strip > note->bestPlace({}).strip)) {
            note->setCompact(true);
            place = note->bestPlace(placed);
        }
        note->setGeometry(place.rect);
        placed.push_back(place.rect);
    }
}

bool NoteBoard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::Resize)
        placeAll();
    // Escape reaches the window only when the control with the focus has no use for it (a
    // held-down button takes it to cancel the press). A note still waiting is not the person's
    // to dismiss: they have not seen it.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        const auto newest = std::find_if(m_entries.rbegin(), m_entries.rend(),
                                         [](const Entry& entry) { return entry.note && entry.note->isVisible(); });
        if (newest != m_entries.rend()) {
            remove(newest->note);
            return true;
        }
    }
    return false;
}

} // namespace platform
