// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "bench/floorwindow.h"

#include "plotting/colourlist.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

std::unique_ptr<QWidget> buildFloorWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle("Draw dots");
    QFont font = window->font();
    font.setPixelSize(11);
    window->setFont(font);
    window->resize(312, 228);

    (new QPushButton("Draw", window.get()))->setGeometry(80, 208, 153, 17);
    (new QLineEdit(window.get()))->setGeometry(224, 56, 73, 19);
    (new QLineEdit(window.get()))->setGeometry(64, 56, 81, 19);
    (new QLineEdit(window.get()))->setGeometry(64, 16, 81, 19);
    auto* combo = new QComboBox(window.get());
    combo->setEditable(true);
    for (const std::string_view entry : plotting::kColourList)
        combo->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    combo->setGeometry(160, 16, 137, 21);
    auto* picture = new QFrame(window.get());
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setGeometry(8, 88, 289, 113);
    (new QLabel("Thickness", window.get()))->setGeometry(168, 56, 81, 17);
    (new QLabel("Y coor", window.get()))->setGeometry(16, 56, 81, 25);
    (new QLabel("X coor", window.get()))->setGeometry(16, 16, 81, 25);
    return window;
}
