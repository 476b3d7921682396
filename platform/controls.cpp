// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/controls.h"

#include "platform/conversions.h"
#include "platform/drawingsurface.h"
#include "platform/formserror.h"
#include "platform/notes/errorreport.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

#include <cmath>
#include <utility>
#include <vector>

namespace platform {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Keeps the mouse wheel from changing a list the person is not using: the wheel turns it only
// while it has the focus, and never brings the focus to it.
class WheelOnlyWhenFocused : public QObject {
public:
    explicit WheelOnlyWhenFocused(QComboBox* combo) : QObject(combo), m_combo(combo)
    {
        combo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return QObject::eventFilter(watched, event);
        QWidget* focus = QApplication::focusWidget();
        return !(focus == m_combo || m_combo->isAncestorOf(focus));
    }

private:
    QComboBox* m_combo;
};

// The text boxes the running button handler has read, oldest first.
std::vector<const QLineEdit*>* s_boxesRead = nullptr;

// What the label naming box says, as the person reads it; empty where no label names it.
QString labelOf(const QLineEdit* box)
{
    for (const QLabel* label : box->window()->findChildren<QLabel*>()) {
        if (label->buddy() == box)
            return label->text().remove(u'&');
    }
    return {};
}

// Whether reading text for the refused number's use gives that refusal, or the number it names.
bool refusedFrom(const Refusal& refusal, const std::string& text)
{
    try {
        const double value = numberFromText(text, refusal.use);
        return !refusal.typed && textFromNumber(value) == refusal.shown;
    } catch (const FormsError& error) {
        return error.refusal() && error.refusal()->typed && error.refusal()->shown == refusal.shown;
    }
}

// Runs a button's handler; a number it refuses that was typed into a box it read is told with
// the box's name, "X coor: ...", since the note stands beside the button and not the box. Where
// two boxes hold the refused number, the first read is the one refused first.
void runNamingTheBox(const Handler& handler)
{
    std::vector<const QLineEdit*> read;
    const auto previous = std::exchange(s_boxesRead, &read);
    const auto restore = qScopeGuard([previous] { s_boxesRead = previous; });
    try {
        handler();
    } catch (const FormsError& error) {
        for (const QLineEdit* box : read) {
            if (!error.refusal() || !refusedFrom(*error.refusal(), box->text().toStdString()))
                continue;
            if (const QString label = labelOf(box); !label.isEmpty()) {
                //: A refusal (%2) of a number typed into the box whose label says %1.
                const QString named = QCoreApplication::translate("Note", "%1: %2");
                throw FormsError(named.arg(label, QString::fromUtf8(error.what())).toStdString());
            }
        }
        throw;
    }
}

} // namespace

Control::Control(std::string name, QWidget* widget) : m_name(std::move(name)), m_widget(widget) {}

TextBox::TextBox(std::string name, QLineEdit* edit) : Control(std::move(name), edit), m_edit(edit)
{
    // The first time a box takes the focus, the toolkit tells assistive technology of its caret
    // before it tells of the focus, and screen readers then say nothing of the box. Told of the
    // caret now, it tells of it again only when the caret moves.
    edit->setCursorPosition(0);
}

std::string TextBox::Text() const
{
    if (s_boxesRead)
        s_boxesRead->push_back(m_edit);
    return m_edit->text().toStdString();
}

void TextBox::setText(std::string_view text)
{
    m_edit->setText(toQString(text));
}

void TextBox::onChange(Handler handler)
{
    QObject::connect(m_edit, &QLineEdit::textChanged, m_edit, [edit = m_edit, handler = std::move(handler)] {
        runHandler(edit, handler, ReportTiming::WhenTypingPauses);
    });
}

ComboBox::ComboBox(std::string name, QComboBox* combo) : Control(std::move(name), combo), m_combo(combo)
{
    combo->setFocusPolicy(Qt::StrongFocus);
    new WheelOnlyWhenFocused(combo);
}

void ComboBox::AddItem(std::string_view text)
{
    // A combo box selects its first entry by itself; keep the selection and edit field as they were.
    const int current = m_combo->currentIndex();
    const QString shown = m_combo->currentText();
    m_combo->addItem(toQString(text));
    if (m_combo->currentIndex() != current) {
        m_combo->setCurrentIndex(current);
        m_combo->setEditText(shown);
    }
}

std::string ComboBox::Text() const
{
    std::string text = m_combo->currentText().toStdString();
    // The one list of the window holds colour numbers.
    setColourNumberSource(text);
    return text;
}

CommandButton::CommandButton(std::string name, QPushButton* button) : Control(std::move(name), button), m_button(button)
{
}

void CommandButton::onClick(Handler handler)
{
    QObject::connect(m_button, &QPushButton::clicked, m_button, [button = m_button, handler = std::move(handler)] {
        runHandler(button, [&handler] { runNamingTheBox(handler); });
    });
}

void CommandButton::press()
{
    m_button->click();
}

PictureBox::PictureBox(std::string name, DrawingSurface* surface)
    : Control(std::move(name), surface), m_surface(surface)
{
}

std::int16_t PictureBox::DrawWidth() const
{
    return m_surface->drawWidth();
}

void PictureBox::setDrawWidth(std::int16_t width)
{
    checkStatus(m_surface->setDrawWidth(width));
}

void PictureBox::PSet(int flags, float x, float y, ColourValue colour)
{
    Status status;
    if (flags != kAbsoluteWithColour)
        status.failure = "Points can only be plotted at absolute coordinates with a colour given.";
    else if (!std::isfinite(x) || !std::isfinite(y))
        status.failure =
            "A point's coordinates must be finite: " + std::string(kCoordinateUse.allowed) + " are allowed.";
    else if (colour > 0xFFFFFF)
        status.failure = "A colour must be a value from 0x000000 to 0xFFFFFF.";
    checkStatus(status);
    m_surface->plot(x, y, colour);
}

} // namespace platform
