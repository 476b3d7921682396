// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QPainter;
class QWidget;

namespace picture {

// Printing lives in a module of its own, loaded at the first Print: linking the print support
// into the program would cost every start-up half a megabyte.

// What is printed: an area of `area` logical pixels, which `paint` draws at a given resolution
// in dots per inch. Where no printer is installed, it goes to the PDF file pdfName.
struct PrintJob {
    QWidget* parent = nullptr;
    QSize area;
    QString pdfName;
    std::function<void(QPainter&, double)> paint;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// The module's one entry, found by this name: shows the print dialog and prints the job.
using PrintFunction = PrintOutcome (*)(const PrintJob& job);
inline constexpr char kPrintFunctionName[] = "drawdotsPrint";

} // namespace picture
