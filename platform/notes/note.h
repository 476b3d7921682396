// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFrame>
#include <QPointer>
#include <QRect>

#include <vector>

class QLabel;

namespace platform {

// A short message inside the window, beside the control it is about. It never takes the
// focus, so every key typed after it still reaches the control that has the focus. Being a
// part of the window, it goes wherever the window goes, on every window system, and never
// stands in the way of closing it. How long it shows is up to its NoteBoard.
class Note : public QFrame {
    Q_OBJECT

public:
    // The property of a widget that a note may lie over, as thin a strip of it as it can.
    static constexpr char kMayCover[] = "notesMayCover";

    // A refusal is named "ErrorReport"; anything else the window tells is a "Note".
    Note(QWidget* control, const QString& text, bool refusal);

    QWidget* control() const { return m_control; }
    QString text() const;

    // Where the note would stand, and what it would hide there.
    struct Place {
        QRect rect;
        long long hiddenControls = 0; // pixels of controls and of the other notes
        int strip = 0;                // rows of a surface notes may cover
    };
    // Beside its control, clear of every control and of the notes given, over as thin a strip
    // of the drawing surface as the text allows.
    Place bestPlace(const std::vector<QRect>& otherNotes) const;
    // One line, cut short, for a note that would otherwise hide more than it would alone; its
    // whole text stays what assistive technology reads.
    void setCompact(bool compact);

Q_SIGNALS:
    // The person clicked the note away.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<QWidget> m_control;
    QLabel* m_label;
    bool m_compact = false;
};

} // namespace platform
