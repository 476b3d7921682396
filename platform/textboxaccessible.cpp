// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/textboxaccessible.h"

#include <QAccessible>
#include <QLineEdit>

namespace platform {

namespace {

// Hands every question on to the toolkit's own interface for the box, but the attribute run.
class TextBoxAccessible : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    TextBoxAccessible(QAccessibleInterface* toolkits, QAccessibleTextInterface* text)
        : m_toolkits(toolkits), m_text(text)
    {
    }
    ~TextBoxAccessible() override { QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_toolkits)); }

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
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return m_toolkits->interface_cast(type);
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
    QAccessibleInterface* m_toolkits;
    QAccessibleTextInterface* m_text;
};

QAccessibleInterface* textBoxAccessible(const QString& className, QObject* object)
{
    static bool askingTheToolkit = false;
    if (askingTheToolkit || className != QLatin1String("QLineEdit"))
        return nullptr;
    // The boxes of the window itself; a list's own edit field is the list's to present.
    const auto* box = qobject_cast<QLineEdit*>(object);
    if (!box || !box->parentWidget() || !box->parentWidget()->isWindow())
        return nullptr;
    askingTheToolkit = true;
    QAccessibleInterface* toolkits = QAccessible::queryAccessibleInterface(object);
    askingTheToolkit = false;
    QAccessibleTextInterface* text = toolkits ? toolkits->textInterface() : nullptr;
    return text ? new TextBoxAccessible(toolkits, text) : nullptr;
}

} // namespace

void presentTextBoxesWhole()
{
    QAccessible::installFactory(textBoxAccessible);
}

} // namespace platform
