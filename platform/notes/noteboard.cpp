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
    std::vector<QRect> others;
    for (Entry& entry : m_entries) {
        if (entry.note == note)
            entry.pause = nullptr;
        else if (entry.note && entry.note->isVisible())
            others.push_back(entry.note->geometry());
    }
    note->place(others);
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
}

// Places the notes on screen again, oldest first, as when each showed.
void NoteBoard::placeAll()
{
    std::vector<QRect> placed;
    for (const Entry& entry : m_entries) {
        if (entry.note && entry.note->isVisible()) {
            entry.note->place(placed);
            placed.push_back(entry.note->geometry());
        }
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
