// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/form.h"
#include "plotting/form1.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <memory>

class QLineEdit;

namespace platform {
class DrawingSurface;
}

// The program's window, built and shown as at start, and what the tests need to drive it and
// to see what it shows, error reports included.
class WindowFixture : public QObject {
public:
    // Builds, loads and shows the window; returns false if it never became active.
    bool open();
    void close();

    template <typename W> W* find(const char* name) const
    {
        auto* widget = m_form->widget()->findChild<W*>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QWidget* window() const { return m_form->widget(); }
    platform::Form& form() const { return *m_form; }
    plotting::Form1& form1() const { return *m_form1; }
    platform::DrawingSurface* surface() const;
    // The text of every error report that appeared since the window opened, oldest first.
    const QStringList& reports() const { return m_reports; }
    // The reports on screen now, oldest first.
    QList<QWidget*> shownReports() const;
    // The text of every note on screen now, reports or not, oldest first.
    QStringList shownNotes() const;
    // The text the report on screen shows; empty when none shows.
    QString shownReportText() const;
    // The text of a report on screen that does not fit whole in two lines of the window's text;
    // empty when every one fits.
    QString reportOverTwoLines() const;
    // What the drawing area last told assistive technology in a notification, other than the
    // count of points drawn; empty when it told nothing.
    QString toldOfTheArea() const;

    // What the person sees of the drawing area, one image pixel per screen pixel, without the
    // cross that lies over it to mark the picked point.
    QImage drawingArea() const;
    // The points drawn, as the pixels that are not white.
    QList<QPoint> inkedPixels() const;
    // Where the cross marking the picked point shows black, in pixels of the drawing area.
    QList<QPoint> crossPixels() const;
    // Lets the pause pass after which a report about a value being typed shows; returns how
    // long that pause was, in milliseconds (0 when no report waited for it, -1 when it never ended).
    int letTypingPause();
    // Clicks into a text box, replaces its text by typing, and leaves the focus there.
    void type(const char* control, const QString& text);
    // Clicks a control in its middle with real mouse events through the window.
    void click(const char* control);
    void pressDraw() { click("cmdDraw"); }
    // Points on the drawing area as steps says, separated by commas: "click X Y", "dclick X Y" and
    // "drag X Y X Y" with the left button at pixels of the area, or keys there as a key sequence
    // names them.
    void point(const QString& steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<platform::Form> m_form;
    std::shared_ptr<plotting::Form1> m_form1;
    QStringList m_reports;
};
