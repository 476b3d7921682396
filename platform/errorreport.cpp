// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/errorreport.h"

#include "platform/formserror.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <new>
#include <string>

namespace platform {

namespace {

constexpr int kMargin = 4;     // kept free along the window's edges
constexpr int kGap = 2;        // kept free around the control it is about and the focused one
constexpr int kMaxWidth = 300; // longer messages wrap
// What a pixel of distance from its control weighs against hiding all of another control.
constexpr double kDistanceWeight = 0.002;

// A short message inside the window, beside the control whose handler failed. It never takes
// the focus, so every key typed after it still reaches the control that has the focus. Being a
// part of the window, it goes wherever the window goes, on every window system, and never
// stands in the way of closing it.
class ErrorReport : public QFrame {
    Q_OBJECT

public:
    ErrorReport(QWidget* control, const QString& message) : QFrame(control->window()), m_control(control)
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
        layout->setContentsMargins(6, 4, 6, 4);
        layout->addWidget(text);

        // Escape reaches the shortcut only while the report shows, since the shortcut goes with it.
        new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &ErrorReport::dismiss, Qt::WindowShortcut);
        parentWidget()->installEventFilter(this);
        place();
        raise();
        show();
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }

    void dismiss()
    {
        hide();
        deleteLater();
    }

protected:
    void mousePressEvent(QMouseEvent*) override { dismiss(); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parentWidget() && event->type() == QEvent::Resize)
            place();
        return QFrame::eventFilter(watched, event);
    }

private:
    void place();

    QPointer<QWidget> m_control;
};

// Where a report hides least of the window's other controls, and nothing of its own control or
// of the one with the focus, as near to its own control as that allows.
void ErrorReport::place()
{
    QWidget* window = parentWidget();
    const QRect area = window->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int width = std::max(1, std::min(kMaxWidth, area.width()));
    const int height = heightForWidth(width);

    // The whole control a widget is part of, such as a list around its edit field.
    const auto controlRect = [window](QWidget* widget) {
        while (widget && widget->parentWidget() != window)
            widget = widget->isWindow() ? nullptr : widget->parentWidget();
        return widget ? widget->geometry() : QRect();
    };
    const QRect control = controlRect(m_control);
    const QRect focused = controlRect(QApplication::focusWidget());
    const QList<QWidget*> siblings = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const QRect anchor = control.isValid() ? control : QRect(area.center(), QSize(1, 1));
    const int left = std::clamp(anchor.left(), area.left(), std::max(area.left(), area.right() + 1 - width));

    QRect best;
    double bestCost = std::numeric_limits<double>::max();
    for (int top = area.top(); top == area.top() || top + height <= area.bottom() + 1; ++top) {
        const QRect candidate(left, top, width, height);
        double cost = 0;
        for (const QRect& inUse : {control, focused}) {
            if (inUse.isValid() && candidate.intersects(inUse.adjusted(-kGap, -kGap, kGap, kGap)))
                cost += 1000;
        }
        for (QWidget* other : siblings) {
            if (other == this || !other->isVisibleTo(window) || other->focusPolicy() == Qt::NoFocus)
                continue;
            const QRect hidden = candidate & other->geometry();
            if (!hidden.isEmpty())
                cost += double(hidden.width()) * hidden.height() / (double(other->width()) * other->height());
        }
        const int distance = top > anchor.bottom() ? top - anchor.bottom() : std::max(0, anchor.top() - (top + height));
        cost += kDistanceWeight * distance;
        if (cost < bestCost) {
            bestCost = cost;
            best = candidate;
        }
    }
    setGeometry(best);
}

QAccessibleInterface* reportAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(ErrorReport::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<ErrorReport*>(object), QAccessible::AlertMessage);
    return nullptr;
}

QPointer<ErrorReport>& shownReport()
{
    static QPointer<ErrorReport> report;
    return report;
}

void withdrawReport()
{
    if (ErrorReport* report = shownReport()) {
        report->dismiss();
        shownReport() = nullptr;
    }
}

void report(QWidget* control, const std::string& message)
{
    withdrawReport();
    try {
        [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(reportAccessible), true);
        shownReport() = new ErrorReport(control, QString::fromStdString(message));
    } catch (...) {
        // Too little memory even for the report: say it where it can still be said.
        std::fprintf(stderr, "%s\n", message.c_str());
    }
}

} // namespace

void runHandler(QWidget* control, const std::function<void()>& handler)
{
    std::string failure;
    try {
        handler();
        withdrawReport();
        return;
    } catch (const FormsError& error) {
        failure = error.what();
    } catch (const std::bad_alloc&) {
        failure = "The program ran out of memory; what was drawn so far is kept.";
    } catch (const std::exception& error) {
        failure = std::string("Something went wrong inside the program: ") + error.what();
    } catch (...) {
        failure = "Something went wrong inside the program; what was drawn so far is kept.";
    }
    report(control, failure);
}

} // namespace platform

#include "errorreport.moc"
