// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

// The floor for the start-up benchmark, as a program: it shows the floor window and runs.

#include "bench/floorwindow.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const std::unique_ptr<QWidget> window = buildFloorWindow();
    window->show();
    return QApplication::exec();
}
