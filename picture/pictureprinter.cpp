// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/pictureprinter.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

extern "C" Q_DECL_EXPORT picture::PrintOutcome drawdotsPrint(const picture::PrintJob& job)
{
    using picture::PrintOutcome;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Draw dots"));
    printer.setPageOrientation(job.area.width() > job.area.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(job.pdfName);
    QPrintDialog dialog(&printer, job.parent);
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    job.paint(painter, printer.resolution());
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}
