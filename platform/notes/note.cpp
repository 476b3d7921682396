// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/notes/note.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <limits>
#include <tuple>

namespace platform {

namespace {

constexpr int kMargin = 4; // kept free along the window's edges
constexpr int kGap = 2;    // kept free around every control
// The widths a note may take, widest first: a wide note hides fewer lines of the drawing
// surface, a narrow one may fit beside it.
constexpr int kWidths[] = {420, 300, 240, 180};

// Swallows the rest of a double click on a note that its first click dismissed, so that
// nothing beneath the note is clicked and the focus stays where it was.
class ClickShield : public QObject {
public:
    ClickShield(QWidget* window, const QRect& globalPlace) : QObject(window), m_window(window), m_place(globalPlace)
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(QApplication::doubleClickInterval(), this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
            type != QEvent::MouseButtonRelease)
            return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        const bool ours = watched == m_window->windowHandle() || (widget && widget->window() == m_window);
        return ours && m_place.contains(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    }

private:
    QWidget* m_window;
    QRect m_place;
};

// Screen readers speak a notification as it shows, without moving the focus.
QAccessibleInterface* noteAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(Note::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<Note*>(object), QAccessible::Notification);
    return nullptr;
}

// The whole control a widget is part of, such as a list around its edit field.
QWidget* wholeControl(QWidget* window, QWidget* widget)
{
    while (widget && widget->parentWidget() != window)
        widget = widget->isWindow() ? nullptr : widget->parentWidget();
    return widget;
}

// What of a control must stay in sight: all of it, but of a label only its text.
QRect visiblePart(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return QRect(label->pos(), label->sizeHint().boundedTo(label->size()));
    return control->geometry();
}

long long overlap(const QRect& a, const QRect& b)
{
    const QRect common = a & b;
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

} // namespace

Note::Note(QWidget* control, const QString& text, bool refusal)
    : QFrame(control->window()), m_control(control), m_label(new QLabel(text, this))
{
    [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(noteAccessible), true);
    setObjectName(refusal ? QStringLiteral("ErrorReport") : QStringLiteral("Note"));
    setAccessibleName(text);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    hide();

    QLabel* label = m_label;
    // The label says the same, whole, however much of it shows.
    label->setAccessibleName(text);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    label->setForegroundRole(QPalette::ToolTipText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A size smaller than the controls', as a tooltip's, so that two lines cover no more of the
    // drawing surface than one line of the controls' text.
    QFont small = label->font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 5 / 6);
    else
        small.setPixelSize(small.pixelSize() * 5 / 6);
    label->setFont(small);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(label);
}

QString Note::text() const
{
    return accessibleName();
}

void Note::setCompact(bool compact)
{
    m_compact = compact;
    m_label->setWordWrap(!compact);
    m_label->setText(text());
}

void Note::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (m_compact)
        m_label->setText(m_label->fontMetrics().elidedText(text(), Qt::ElideRight, m_label->contentsRect().width()));
}

void Note::mousePressEvent(QMouseEvent*)
{
    new ClickShield(parentWidget(), QRect(mapToGlobal(QPoint(0, 0)), size()));
    Q_EMIT clicked();
}

// Where a note hides no control and no other note, and as little of the drawing surface as it
// can: beside it where the window has room, otherwise over as thin a strip of it as the text
// allows; of such places, the one nearest its own control.
Note::Place Note::bestPlace(const std::vector<QRect>& otherNotes) const
{
    QWidget* window = parentWidget();
    const QRect area = window->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    QWidget* control = wholeControl(window, m_control);
    const QRect anchor = control ? control->geometry() : QRect(area.center(), QSize(1, 1));

    std::vector<QRect> controls;
    std::vector<QRect> surfaces;
    for (QWidget* other : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<Note*>(other) || !other->isVisibleTo(window))
            continue;
        if (other->property(kMayCover).toBool())
            surfaces.push_back(other->geometry());
        else
            controls.push_back(visiblePart(other).adjusted(-kGap, -kGap, kGap, kGap));
    }
    for (const QRect& note : otherNotes)
        controls.push_back(note.adjusted(-kGap, -kGap, kGap, kGap));

    // The best place lies against an edge of the window, of a control or of a surface.
    std::vector<int> lefts{area.left(), anchor.left()};
    std::vector<int> rights{area.right() + 1, anchor.right() + 1};
    std::vector<int> tops{area.top()};
    std::vector<int> bottoms{area.bottom() + 1};
    for (const std::vector<QRect>* edges : {&controls, &surfaces}) {
        for (const QRect& r : *edges) {
            lefts.push_back(r.right() + 1);
            rights.push_back(r.left());
            tops.push_back(r.bottom() + 1);
            bottoms.push_back(r.top());
        }
    }

    // Hidden controls, then the height of the strip of surface hidden (a dot beneath is
    // hidden whatever its column), then hidden surface, then distance from its own control.
    using Cost = std::tuple<long long, int, long long, int, int>;
    Cost bestCost{std::numeric_limits<long long>::max(), 0, 0, 0, 0};
    QRect best;
    for (const int wanted : kWidths) {
        const int width = std::max(1, std::min(wanted, area.width()));
        const int height = m_compact ? sizeHint().height() : heightForWidth(width);
        const auto clampLeft = [&](int left) {
            return std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - width));
        };
        const auto clampTop = [&](int top) {
            return std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - height));
        };
        std::vector<int> xs;
        for (const int left : lefts)
            xs.push_back(clampLeft(left));
        for (const int right : rights)
            xs.push_back(clampLeft(right - width));
        std::vector<int> ys;
        for (const int top : tops)
            ys.push_back(clampTop(top));
        for (const int bottom : bottoms)
            ys.push_back(clampTop(bottom - height));

        for (const int x : xs) {
            for (const int y : ys) {
                const QRect candidate(x, y, width, height);
                Cost cost{0, 0, 0, 0, height};
                for (const QRect& r : controls)
                    std::get<0>(cost) += overlap(candidate, r);
                for (const QRect& r : surfaces) {
                    std::get<1>(cost) = std::max(std::get<1>(cost), (candidate & r).height());
                    std::get<2>(cost) += overlap(candidate, r);
                }
                const int dx = std::max({0, anchor.left() - candidate.right(), candidate.left() - anchor.right()});
                const int dy = std::max({0, anchor.top() - candidate.bottom(), candidate.top() - anchor.bottom()});
                std::get<3>(cost) = dx + dy;
                if (cost < bestCost) {
                    bestCost = cost;
                    best = candidate;
                }
            }
        }
    }
    return {best, std::get<0>(bestCost), std::get<1>(bestCost)};
}

} // namespace platform
