// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "windowfixture.h"

#include "platform/drawingsurface.h"
#include "window/form1window.h"
#include "window/storedrecord.h"

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include "platform/notes/note.h"

bool WindowFixture::open()
{
    m_reports.clear();
    qApp->installEventFilter(this);
    m_form = std::make_unique<platform::Form>(window::form1Description());
    m_form1 = std::static_pointer_cast<plotting::Form1>(window::attachForm1(*m_form));
    m_form->load();
    m_form->show();
    return QTest::qWaitForWindowExposed(window()) && QTest::qWaitForWindowActive(window());
}

void WindowFixture::close()
{
    m_form1.reset();
    m_form.reset();
    qApp->removeEventFilter(this);
}

namespace {
QString reportText(const QWidget* report)
{
    const auto* text = report->findChild<QLabel*>();
    return text ? text->text() : QStringLiteral("<a report without text>");
}
} // namespace

bool WindowFixture::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("ErrorReport"))
        m_reports << reportText(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

QList<QWidget*> WindowFixture::shownReports() const
{
    QList<QWidget*> shown;
    for (QWidget* report : window()->findChildren<QWidget*>(QStringLiteral("ErrorReport"))) {
        if (report->isVisible())
            shown << report;
    }
    return shown;
}

QString WindowFixture::shownReportText() const
{
    const QList<QWidget*> shown = shownReports();
    return shown.isEmpty() ? QString() : reportText(shown.first());
}

QString WindowFixture::reportOverTwoLines() const
{
    const int twoLines = 2 * window()->fontMetrics().lineSpacing();
    for (const QWidget* report : shownReports()) {
        const auto* text = report->findChild<QLabel*>();
        if (text->height() > twoLines ||
            text->fontMetrics().boundingRect(text->rect(), Qt::TextWordWrap, text->text()).height() > text->height())
            return text->text();
    }
    return {};
}

QStringList WindowFixture::shownNotes() const
{
    QStringList shown;
    for (const auto* note : window()->findChildren<platform::Note*>()) {
        if (note->isVisible())
            shown << reportText(note);
    }
    return shown;
}

platform::DrawingSurface* WindowFixture::surface() const
{
    return find<platform::DrawingSurface>("Picture1");
}

QImage WindowFixture::drawingArea() const
{
    // Painted as grab() paints it, without the widgets lying over the sheet.
    platform::DrawingSurface* picture = surface();
    const QRect sheet = picture->contentsRect();
    QPixmap area(sheet.size() * picture->devicePixelRatioF());
    area.setDevicePixelRatio(picture->devicePixelRatioF());
    picture->render(&area, QPoint(), QRegion(sheet), QWidget::DrawWindowBackground);
    return area.toImage().convertToFormat(QImage::Format_RGB32);
}

QList<QPoint> WindowFixture::inkedPixels() const
{
    const QImage area = drawingArea();
    QList<QPoint> inked;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            if (area.pixel(x, y) != qRgb(255, 255, 255))
                inked << QPoint(x, y);
        }
    }
    return inked;
}

QString WindowFixture::toldOfTheArea() const
{
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(surface());
    for (int i = 0; i < area->childCount(); ++i) {
        if (const QString told = area->child(i)->text(QAccessible::Name); told != area->text(QAccessible::Description))
            return told;
    }
    return {};
}

QList<QPoint> WindowFixture::crossPixels() const
{
    // Over the whole surface, its border too, against the surface painted without what lies over it.
    platform::DrawingSurface* picture = surface();
    const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage bare(shown.size(), QImage::Format_RGB32);
    bare.setDevicePixelRatio(shown.devicePixelRatio());
    picture->render(&bare, QPoint(), QRegion(picture->rect()), QWidget::DrawWindowBackground);
    QList<QPoint> black;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) == qRgb(0, 0, 0) && bare.pixel(x, y) != qRgb(0, 0, 0))
                black << (QPointF(x, y) / bare.devicePixelRatio()).toPoint() - picture->contentsRect().topLeft();
        }
    }
    return black;
}

int WindowFixture::letTypingPause()
{
    for (QTimer* pause : window()->findChildren<QTimer*>(QStringLiteral("TypingPause"))) {
        if (!pause->isActive())
            continue;
        const int interval = pause->interval();
        pause->start(0);
        return QTest::qWaitFor([pause] { return !pause->isActive(); }) ? interval : -1;
    }
    return 0;
}

void WindowFixture::type(const char* control, const QString& text)
{
    click(control);
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!edit)
        qFatal("clicking %s did not put the focus in a text field", control);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void WindowFixture::click(const char* control)
{
    QWidget* widget = find<QWidget>(control);
    QTest::mouseClick(window()->windowHandle(), Qt::LeftButton, {}, widget->geometry().center());
    QCoreApplication::processEvents();
}

void WindowFixture::point(const QString& steps)
{
    QWindow* handle = window()->windowHandle();
    for (const QString& step : steps.split(", ", Qt::SkipEmptyParts)) {
        const QStringList words = step.split(' ');
        QList<QPoint> at;
        for (qsizetype i = 1; i + 1 < words.size(); i += 2)
            at << surface()->mapTo(window(), surface()->contentsRect().topLeft() +
                                                 QPoint(words[i].toInt(), words[i + 1].toInt()));
        if (words[0] == "click") {
            QTest::mouseClick(handle, Qt::LeftButton, {}, at[0]);
        } else if (words[0] == "dclick") {
            QTest::mouseDClick(handle, Qt::LeftButton, {}, at[0]);
        } else if (words[0] == "drag") {
            QTest::mousePress(handle, Qt::LeftButton, {}, at[0]);
            QTest::mouseMove(handle, at[1]);
            QTest::mouseRelease(handle, Qt::LeftButton, {}, at[1]);
        } else {
            surface()->setFocus(Qt::TabFocusReason);
            const QKeyCombination keys = QKeySequence(step)[0];
            QTest::keyClick(surface(), keys.key(), keys.keyboardModifiers());
        }
    }
}
