// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "windowfixture.h"

#include "platform/drawingsurface.h"
#include "platform/errorreport.h"
#include "window/form1window.h"
#include "window/storedrecord.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

bool WindowFixture::open()
{
    m_reports.clear();
    platform::setErrorReporter([this](const std::string& message) { m_reports << QString::fromStdString(message); });
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
    platform::setErrorReporter({});
}

platform::DrawingSurface* WindowFixture::surface() const
{
    return find<platform::DrawingSurface>("Picture1");
}

QImage WindowFixture::drawingArea() const
{
    platform::DrawingSurface* picture = surface();
    return picture->grab(picture->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
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
