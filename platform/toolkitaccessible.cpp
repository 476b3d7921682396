// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/toolkitaccessible.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace platform {

namespace {

// Hands every question on to the toolkit's own interface for the same object.
class ToolkitAccessible : public QAccessibleInterface {
public:
    explicit ToolkitAccessible(QAccessibleInterface* toolkits) : m_toolkits(toolkits) {}
    ~ToolkitAccessible() override { QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_toolkits)); }

    bool isValid() const override { return m_toolkits->isValid(); }
    QObject* object() const override { return m_toolkits->object(); }
    QWindow* window() const override { return m_toolkits->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_toolkits->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return m_toolkits->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return m_toolkits->childAt(x, y); }
    QAccessibleInterface* parent() const override { return m_toolkits->parent(); }
    QAccessibleInterface* child(int index) const override { return m_toolkits->child(index); }
    int childCount() const override { return m_toolkits->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override { return m_toolkits->indexOfChild(child); }
    QString text(QAccessible::Text kind) const override { return m_toolkits->text(kind); }
    void setText(QAccessible::Text kind, const QString& text) override { m_toolkits->setText(kind, text); }
    QRect rect() const override { return m_toolkits->rect(); }
    QAccessible::Role role() const override { return m_toolkits->role(); }
    QAccessible::State state() const override { return m_toolkits->state(); }
    QColor foregroundColor() const override { return m_toolkits->foregroundColor(); }
    QColor backgroundColor() const override { return m_toolkits->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override { return m_toolkits->interface_cast(type); }

private:
    QAccessibleInterface* m_toolkits;
};

// The toolkit's own interface, which ask makes it build while ours stand aside.
template <typename Ask> QAccessibleInterface* toolkitsOwn(Ask ask)
{
    static bool asking = false;
    if (asking)
        return nullptr;
    asking = true;
    QAccessibleInterface* toolkits = ask();
    asking = false;
    return toolkits;
}

// A text box whose text is one run without attributes.
class TextBoxAccessible : public ToolkitAccessible, public QAccessibleTextInterface {
public:
    TextBoxAccessible(QAccessibleInterface* toolkits, QAccessibleTextInterface* text)
        : ToolkitAccessible(toolkits), m_text(text)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return ToolkitAccessible::interface_cast(type);
    }

    void selection(int index, int* start, int* end) const override { m_text->selection(index, start, end); }
    int selectionCount() const override { return m_text->selectionCount(); }
    void addSelection(int start, int end) override { m_text->addSelection(start, end); }
    void removeSelection(int index) override { m_text->removeSelection(index); }
    void setSelection(int index, int start, int end) override { m_text->setSelection(index, start, end); }
    int cursorPosition() const override { return m_text->cursorPosition(); }
    void setCursorPosition(int position) override { m_text->setCursorPosition(position); }
    QString text(int start, int end) const override { return m_text->text(start, end); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override
    {
        return m_text->textBeforeOffset(offset, boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override
    {
        return m_text->textAfterOffset(offset, boundary, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override
    {
        return m_text->textAtOffset(offset, boundary, start, end);
    }
    int characterCount() const override { return m_text->characterCount(); }
    QRect characterRect(int offset) const override { return m_text->characterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override { return m_text->offsetAtPoint(point); }
    void scrollToSubstring(int start, int end) override { m_text->scrollToSubstring(start, end); }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = m_text->characterCount();
        return QString();
    }

private:
    QAccessibleTextInterface* m_text;
};

// A menu item whose shortcut stands where a screen reader reads one: third, after the
// mnemonic and the full key path, written as the menu shows it in the person's language
// ("Strg+C"). The toolkit gives none for the item's action.
class MenuItemAccessible : public ToolkitAccessible, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QAccessibleInterface* toolkits, QAccessibleActionInterface* actions)
        : ToolkitAccessible(toolkits), m_actions(actions)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return ToolkitAccessible::interface_cast(type);
    }

    QStringList actionNames() const override { return m_actions->actionNames(); }
    QString localizedActionName(const QString& name) const override { return m_actions->localizedActionName(name); }
    QString localizedActionDescription(const QString& name) const override
    {
        return m_actions->localizedActionDescription(name);
    }
    void doAction(const QString& name) override { m_actions->doAction(name); }
    QStringList keyBindingsForAction(const QString&) const override
    {
        return {QString(), QString(), static_cast<QAction*>(object())->shortcut().toString(QKeySequence::NativeText)};
    }

private:
    QAccessibleActionInterface* m_actions;
};

QAccessibleInterface* textBoxAccessible(QObject* object)
{
    // The boxes of the window itself; a list's own edit field is the list's to present.
    const auto* box = qobject_cast<QLineEdit*>(object);
    if (!box || !box->parentWidget() || !box->parentWidget()->isWindow())
        return nullptr;
    QAccessibleInterface* toolkits = toolkitsOwn([object] { return QAccessible::queryAccessibleInterface(object); });
    QAccessibleTextInterface* text = toolkits ? toolkits->textInterface() : nullptr;
    return text ? new TextBoxAccessible(toolkits, text) : nullptr;
}

QAccessibleInterface* menuItemAccessible(QObject* object)
{
    // The toolkit builds a menu item's interface only as a child of its menu's.
    auto* action = qobject_cast<QAction*>(object);
    QMenu* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
    const int index = menu ? int(menu->actions().indexOf(action)) : -1;
    if (index < 0 || action->shortcut().isEmpty())
        return nullptr;
    QAccessibleInterface* toolkits = toolkitsOwn([menu, index]() -> QAccessibleInterface* {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
        return list ? list->child(index) : nullptr;
    });
    QAccessibleActionInterface* actions = toolkits ? toolkits->actionInterface() : nullptr;
    return actions ? new MenuItemAccessible(toolkits, actions) : nullptr;
}

QAccessibleInterface* mendedAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLineEdit"))
        return textBoxAccessible(object);
    if (className == QLatin1String("QAction"))
        return menuItemAccessible(object);
    return nullptr;
}

} // namespace

void mendToolkitAccessibility()
{
    QAccessible::installFactory(mendedAccessible);
}

} // namespace platform
