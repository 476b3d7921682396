// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/surfaceaccessible.h"

#include "platform/drawingsurface.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace platform {

namespace {

QString countText(long count)
{
    // One point has a text of its own, so that English needs no translation to say it; other
    // languages choose their plural forms from the count.
    if (count == 0)
        return QCoreApplication::translate("DrawingSurface", "No points drawn");
    if (count == 1)
        return QCoreApplication::translate("DrawingSurface", "1 point drawn");
    const int shown = static_cast<int>(std::min(count, long{INT_MAX}));
    return QCoreApplication::translate("DrawingSurface", "%n points drawn", nullptr, shown);
}

// A notification, which screen readers speak when it is said to show, wherever the focus is: a
// changed description is spoken only while the surface has the focus, and the toolkit sends it
// without its text. It has nothing on the screen.
class Notice : public QAccessibleObject {
public:
    explicit Notice(QObject* notice) : QAccessibleObject(notice) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(surface()); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State nothingOnScreen;
        nothingOnScreen.invisible = true;
        return nothingOnScreen;
    }

protected:
    DrawingSurface* surface() const { return static_cast<DrawingSurface*>(object()->parent()); }
};

// The count of points drawn.
class CountNotice : public Notice {
public:
    using Notice::Notice;

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? countText(surface()->pointsDrawn()) : QString();
    }
};

// What was last said of the surface.
class SaidNotice : public Notice {
public:
    using Notice::Notice;

    QString text(QAccessible::Text kind) const override { return kind == QAccessible::Name ? m_said : QString(); }
    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind == QAccessible::Name)
            m_said = text;
    }

private:
    QString m_said;
};

// What assistive technology is told of a drawing surface. Its description is worked out only
// when asked for, so a plot costs no more than counting.
class SurfaceAccessible : public QAccessibleWidget {
public:
    explicit SurfaceAccessible(DrawingSurface* surface)
        : QAccessibleWidget(surface, QAccessible::Canvas), m_notice(new QObject(surface)), m_said(new QObject(surface))
    {
        QAccessible::registerAccessibleInterface(new CountNotice(m_notice));
        QAccessible::registerAccessibleInterface(new SaidNotice(m_said));
    }

    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0   ? QAccessible::queryAccessibleInterface(m_notice)
               : index == 1 ? QAccessible::queryAccessibleInterface(m_said)
                            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return !child ? -1 : child->object() == m_notice ? 0 : child->object() == m_said ? 1 : -1;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Help)
            return static_cast<const DrawingSurface*>(widget())->accessibleHelp();
        if (kind != QAccessible::Description)
            return QAccessibleWidget::text(kind);
        return countText(static_cast<const DrawingSurface*>(widget())->pointsDrawn());
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.hasPopup = widget()->contextMenuPolicy() == Qt::CustomContextMenu;
        return state;
    }

    void countChanged()
    {
        QAccessibleEvent described(widget(), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
        QAccessibleEvent shown(m_notice, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    void say(const QString& text)
    {
        QAccessible::queryAccessibleInterface(m_said)->setText(QAccessible::Name, text);
        QAccessibleEvent renamed(m_said, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        QAccessibleEvent shown(m_said, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

private:
    QObject* m_notice;
    QObject* m_said;
};

QAccessibleInterface* surfaceAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(DrawingSurface::staticMetaObject.className()))
        return new SurfaceAccessible(static_cast<DrawingSurface*>(object));
    return nullptr;
}

} // namespace

void installSurfaceAccessibility()
{
    QAccessible::installFactory(surfaceAccessible);
}

void announceCount(DrawingSurface* surface)
{
    if (QAccessible::isActive())
        static_cast<SurfaceAccessible*>(QAccessible::queryAccessibleInterface(surface))->countChanged();
}

void announce(DrawingSurface* surface, const QString& text)
{
    static_cast<SurfaceAccessible*>(QAccessible::queryAccessibleInterface(surface))->say(text);
}

} // namespace platform
