// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "bench/floorwindow.h"

#include "plotting/colourlist.h"
#include "window/form1layout.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <cmath>

namespace {

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / platform::kTwipsPerPixel));
}

QWidget* standardWidget(const window::ControlLayout& control, QWidget* window)
{
    const QString caption = QString::fromLatin1(control.caption.data(), static_cast<qsizetype>(control.caption.size()));
    switch (control.kind) {
    case platform::ControlKind::CommandButton:
        return new QPushButton(caption, window);
    case platform::ControlKind::TextBox:
        return new QLineEdit(window);
    case platform::ControlKind::ComboBox: {
        auto* combo = new QComboBox(window);
        combo->setEditable(true);
        for (const std::string_view entry : plotting::kColourList)
            combo->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
        return combo;
    }
    case platform::ControlKind::PictureBox: {
        auto* frame = new QFrame(window);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setLineWidth(2);
        return frame;
    }
    default:
        return new QLabel(caption, window);
    }
}

} // namespace

std::unique_ptr<QWidget> buildFloorWindow()
{
    const auto& form = window::kForm1;
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QString::fromLatin1(form.caption.data(), static_cast<qsizetype>(form.caption.size())));
    QFont font = window->font();
    font.setPixelSize(11);
    window->setFont(font);
    window->resize(pixels(form.clientWidth), pixels(form.clientHeight));
    for (const window::ControlLayout& control : form.controls) {
        standardWidget(control, window.get())
            ->setGeometry(pixels(control.left), pixels(control.top), pixels(control.width), pixels(control.height));
    }
    return window;
}
