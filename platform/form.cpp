// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/form.h"

#include "platform/drawingsurface.h"
#include "platform/formserror.h"
#include "platform/heldkey.h"
#include "platform/notes/errorreport.h"
#include "platform/toolkitaccessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Small enough for every caption to fit the narrow controls laid out in twips.
constexpr int kFontPixelSize = 11;

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// A caption as the person reads it: the stored English text is the source of its translation,
// looked up under the window's name.
QString shownText(const std::string& windowName, const std::string& text)
{
    if (text.empty())
        return {};
    return QCoreApplication::translate(windowName.c_str(), text.c_str());
}

std::unique_ptr<Control> makeControl(const ControlDescription& description, QWidget* window)
{
    const QString caption = shownText(window->objectName().toStdString(), description.caption);
    switch (description.kind) {
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, window);
        // Enter and Return press a focused button, as Space does.
        button->setAutoDefault(true);
        pressOncePerHold(button);
        return std::make_unique<CommandButton>(description.name, button);
    }
    case ControlKind::TextBox:
        return std::make_unique<TextBox>(description.name, new QLineEdit(window));
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(window);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        return std::make_unique<ComboBox>(description.name, combo);
    }
    case ControlKind::PictureBox:
        return std::make_unique<PictureBox>(description.name, new DrawingSurface(window));
    case ControlKind::Label: {
        auto* label = new QLabel(caption, window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return std::make_unique<Label>(description.name, label);
    }
    case ControlKind::Form:
        break;
    }
    throw FormsError("The window " + description.name + " cannot hold another window.");
}

// The top-level widget of a form: a class of its own, so that assistive technology is told
// it is a window (a frame with a title) rather than a plain area of a window.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    FormWindow()
    {
        // Before the title is set: while assistive technology listens, that announcement
        // already makes the interface it reads, and the toolkit keeps it for good.
        QAccessible::installFactory(windowAccessible);
        mendToolkitAccessibility();
    }

private:
    static QAccessibleInterface* windowAccessible(const QString& className, QObject* object)
    {
        if (className == QLatin1String(staticMetaObject.className()))
            return new QAccessibleWidget(static_cast<FormWindow*>(object), QAccessible::Window);
        return nullptr;
    }
};

} // namespace

Form::Form(const FormDescription& description) : m_name(description.name), m_window(std::make_unique<FormWindow>())
{
    m_window->setObjectName(QString::fromStdString(description.name));
    m_window->setWindowTitle(shownText(m_name, description.caption));
    QFont font = m_window->font();
    font.setPixelSize(kFontPixelSize);
    m_window->setFont(font);
    m_window->resize(pixels(description.clientWidth), pixels(description.clientHeight));

    std::vector<std::pair<int, QWidget*>> focusable;
    QRect controls;
    for (const ControlDescription& entry : description.controls) {
        auto control = makeControl(entry, m_window.get());
        QWidget* widget = control->widget();
        widget->setObjectName(QString::fromStdString(entry.name));
        widget->setGeometry(pixels(entry.left), pixels(entry.top), pixels(entry.width), pixels(entry.height));
        controls |= widget->geometry();
        if (entry.kind == ControlKind::Label)
            widget->lower(); // labels lie beneath the boxes that overlap them
        else
            focusable.emplace_back(entry.tabIndex, widget);
        m_controls.push_back(std::move(control));
    }

    // A label's buddy takes the focus on the access key marked in its caption with "&", and
    // assistive technology names the buddy after the label.
    for (std::size_t i = 0; i < description.controls.size(); ++i) {
        const std::string& buddy = description.controls[i].buddy;
        if (auto* label = qobject_cast<QLabel*>(m_controls[i]->widget()); label && !buddy.empty())
            label->setBuddy(control<Control>(buddy, "control").widget());
    }

    // Controls stay where they are at any size; the window cannot be made so small that one is cut off.
    m_window->setMinimumSize(QSize(controls.right() + 1, controls.bottom() + 1).boundedTo(m_window->size()));

    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [index, widget] : focusable)
        m_tabOrder.push_back(widget);
    for (std::size_t i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);

    QObject::connect(qApp, &QApplication::focusChanged, m_window.get(),
                     [this](QWidget* old, QWidget* now) { focusChanged(old, now); });
}

Form::~Form() = default;

template <typename Kind> Kind& Form::control(std::string_view name, std::string_view kindName)
{
    for (const auto& control : m_controls) {
        if (control->name() == name) {
            if (auto* found = dynamic_cast<Kind*>(control.get()))
                return *found;
        }
    }
    throw FormsError("The window " + m_name + " has no " + std::string(kindName) + " named " + std::string(name) + ".");
}

TextBox& Form::textBox(std::string_view name)
{
    return control<TextBox>(name, "text box");
}
ComboBox& Form::comboBox(std::string_view name)
{
    return control<ComboBox>(name, "combo box");
}
CommandButton& Form::commandButton(std::string_view name)
{
    return control<CommandButton>(name, "command button");
}
PictureBox& Form::pictureBox(std::string_view name)
{
    return control<PictureBox>(name, "picture box");
}

void Form::setAccessibleName(std::string_view controlName, std::string_view name)
{
    QWidget* widget = control<Control>(controlName, "control").widget();
    // A label standing for the control, never shown. On Linux the toolkit names a list that
    // takes typing by the text it holds, whatever name it is given, and keeps its name for a
    // label that stands for it.
    auto* label = new QLabel(shownText(m_name, std::string(name)), m_window.get());
    label->setBuddy(widget);
    label->hide();
}

void Form::load()
{
    if (m_load)
        runHandler(m_window.get(), m_load);
}

void Form::show()
{
    m_window->show();
    const auto first = std::find_if(m_tabOrder.begin(), m_tabOrder.end(), [](QWidget* widget) {
        return widget->isEnabled() && widget->focusPolicy() & Qt::TabFocus;
    });
    if (first != m_tabOrder.end())
        (*first)->setFocus(Qt::OtherFocusReason);
}

// A control loses the focus when it moves to another control of this window. Focus going to
// a popup list, a message box or another application, or nowhere, does not count: on return
// the focus is where it was.
void Form::focusChanged(QWidget* old, QWidget* now)
{
    if (!old || !now || now->window() != m_window.get())
        return;
    for (const auto& control : m_controls) {
        QWidget* widget = control->widget();
        const auto within = [widget](QWidget* w) { return w == widget || widget->isAncestorOf(w); };
        if (control->lostFocusHandler() && within(old) && !within(now))
            runHandler(widget, control->lostFocusHandler());
    }
}

} // namespace platform

#include "form.moc"
