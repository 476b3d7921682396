// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/errorreport.h"

#include "platform/drawingsurface.h"
#include "platform/formserror.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <new>
#include <string>
#include <tuple>
#include <vector>

namespace platform {

namespace {

constexpr int kMargin = 4;     // kept free along the window's edges
constexpr int kGap = 2;        // kept free around every control
constexpr int kMaxWidth = 300; // longer messages wrap
// How long typing must pause before a value still being typed is refused.
constexpr int kTypingPauseMs = 700;

// Swallows the rest of a double click on a report that its first click dismissed, so that
// nothing beneath the report is clicked and the focus stays where it was.
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

// A short message inside the window, beside the control whose handler failed. It never takes
// the focus, so every key typed after it still reaches the control that has the focus. Being a
// part of the window, it goes wherever the window goes, on every window system, and never
// stands in the way of closing it.
class ErrorReport : public QFrame {
    Q_OBJECT

public:
    ErrorReport(QWidget* control, const QString& message, ReportTiming timing)
        : QFrame(control->window()), m_control(control)
    {
        setObjectName(QStringLiteral("ErrorReport"));
        setAccessibleName(message);
        setFocusPolicy(Qt::NoFocus);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::ToolTipBase);
        setForegroundRole(QPalette::ToolTipText);

        auto* text = new QLabel(message, this);
        text->setWordWrap(true);
        text->setTextFormat(Qt::PlainText);
        text->setFocusPolicy(Qt::NoFocus);
        text->setForegroundRole(QPalette::ToolTipText);
        text->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 1, 4, 1);
        layout->addWidget(text);

        parentWidget()->installEventFilter(this);
        if (timing == ReportTiming::AtOnce) {
            appear();
        } else {
            m_pause = new QTimer(this);
            m_pause->setObjectName(QStringLiteral("TypingPause"));
            m_pause->setSingleShot(true);
            connect(m_pause, &QTimer::timeout, this, &ErrorReport::appear);
            m_pause->start(kTypingPauseMs);
        }
    }

    void dismiss()
    {
        if (m_pause)
            m_pause->stop();
        hide();
        deleteLater();
    }

    QWidget* control() const { return m_control; }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        new ClickShield(parentWidget(), QRect(mapToGlobal(QPoint(0, 0)), size()));
        dismiss();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parentWidget() && isVisible()) {
            if (event->type() == QEvent::Resize)
                place();
            // Escape reaches the window only when the control with the focus has no use for it
            // (a held-down button takes it to cancel the press).
            if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                dismiss();
                return true;
            }
        }
        return QFrame::eventFilter(watched, event);
    }

private:
    void appear()
    {
        place();
        raise();
        // Screen readers speak a notification as it shows, without moving the focus.
        show();
    }

    void place();

    QPointer<QWidget> m_control;
    QTimer* m_pause = nullptr;
};

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

// Where a report hides no control and as little of the drawing surface as it can: beside it
// where the window has room, otherwise over as thin a strip of it as the message allows; of
// such places, the one nearest its own control.
void ErrorReport::place()
{
    QWidget* window = parentWidget();
    const QRect area = window->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    QWidget* control = wholeControl(window, m_control);
    const QRect anchor = control ? control->geometry() : QRect(area.center(), QSize(1, 1));

    std::vector<QRect> controls;
    std::vector<QRect> surfaces;
    for (QWidget* other : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == this || !other->isVisibleTo(window))
            continue;
        if (qobject_cast<DrawingSurface*>(other))
            surfaces.push_back(other->geometry());
        else
            controls.push_back(visiblePart(other).adjusted(-kGap, -kGap, kGap, kGap));
    }

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

    // Hidden controls, then hidden surface, then distance from its own control, then height.
    using Cost = std::tuple<long long, long long, int, int>;
    Cost bestCost{std::numeric_limits<long long>::max(), 0, 0, 0};
    QRect best;
    for (const int wanted : {kMaxWidth, kMaxWidth * 4 / 5, kMaxWidth * 3 / 5}) {
        const int width = std::max(1, std::min(wanted, area.width()));
        const int height = heightForWidth(width);
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
                Cost cost{0, 0, 0, height};
                for (const QRect& r : controls)
                    std::get<0>(cost) += overlap(candidate, r);
                for (const QRect& r : surfaces)
                    std::get<1>(cost) += overlap(candidate, r);
                const int dx = std::max({0, anchor.left() - candidate.right(), candidate.left() - anchor.right()});
                const int dy = std::max({0, anchor.top() - candidate.bottom(), candidate.top() - anchor.bottom()});
                std::get<2>(cost) = dx + dy;
                if (cost < bestCost) {
                    bestCost = cost;
                    best = candidate;
                }
            }
        }
    }
    setGeometry(best);
}

QAccessibleInterface* reportAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(ErrorReport::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<ErrorReport*>(object), QAccessible::Notification);
    return nullptr;
}

// The one report on screen, or waiting for typing to pause.
QPointer<ErrorReport>& currentReport()
{
    static QPointer<ErrorReport> report;
    return report;
}

// Takes away the report on screen. One still waiting for typing to pause goes only when its
// own control's handler has run to its end: the person has moved on, but the value typed is
// still refused.
void withdrawReport(const QWidget* after)
{
    ErrorReport* report = currentReport();
    if (report && (report->isVisible() || report->control() == after))
        report->dismiss();
}

void report(QWidget* control, const std::string& message, ReportTiming timing)
{
    if (ErrorReport* older = currentReport())
        older->dismiss();
    try {
        [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(reportAccessible), true);
        currentReport() = new ErrorReport(control, QString::fromStdString(message), timing);
    } catch (...) {
        // Too little memory even for the report: say it where it can still be said.
        std::fprintf(stderr, "%s\n", message.c_str());
    }
}

} // namespace

void runHandler(QWidget* control, const std::function<void()>& handler, ReportTiming timing)
{
    std::string failure;
    try {
        handler();
        withdrawReport(control);
        return;
    } catch (const FormsError& error) {
        // A refusal in a box's own handler is of the number typed into that box.
        const auto* box = qobject_cast<const QLineEdit*>(control);
        failure = box ? error.messageFor(box->text().toStdString()) : error.what();
    } catch (const std::bad_alloc&) {
        failure = "The program ran out of memory; what was drawn so far is kept.";
    } catch (const std::exception& error) {
        failure = std::string("Something went wrong inside the program: ") + error.what();
    } catch (...) {
        failure = "Something went wrong inside the program; what was drawn so far is kept.";
    }
    report(control, failure, timing);
}

} // namespace platform

#include "errorreport.moc"
