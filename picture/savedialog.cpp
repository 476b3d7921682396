// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/savedialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace picture {

namespace {

// The suffix a name filter names: "png" for "PNG image (*.png)".
QString suffixOf(const QString& filter)
{
    const qsizetype start = filter.lastIndexOf(QLatin1String("*.")) + 2;
    return filter.mid(start).section(QLatin1Char(')'), 0, 0);
}

} // namespace

SaveDialog::SaveDialog(QWidget* parent, const QString& proposed)
    : QFileDialog(parent, QCoreApplication::translate("PictureMenu", "Save picture as"), proposed)
{
    setAcceptMode(QFileDialog::AcceptSave);
    const QString png = QCoreApplication::translate("PictureMenu", "PNG image (*.png)");
    const QString svg = QCoreApplication::translate("PictureMenu", "SVG drawing (*.svg)");
    setNameFilters({png, svg});
    if (QFileInfo(proposed).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        selectNameFilter(svg);
    // No default suffix: the dialog would add it before telling a folder's name from a file's.
}

QString SaveDialog::ask(QWidget* parent, const QString& proposed)
{
    SaveDialog dialog(parent, proposed);
    // As the dialog chose it, suffix and all.
    QString chosen;
    connect(&dialog, &QFileDialog::fileSelected, &dialog, [&chosen](const QString& file) { chosen = file; });
    return dialog.exec() == QDialog::Accepted ? chosen : QString();
}

void SaveDialog::accept()
{
    const QStringList chosen = selectedFiles();
    if (chosen.isEmpty())
        return;
    const QFileInfo file(chosen.constFirst());
    if (!file.isDir() && chosen.constFirst().endsWith(QLatin1Char('/'))) {
        // The toolkit's own words, in the person's language from its own translations.
        static const char* const missing =
            "%1\nDirectory not found.\nPlease verify the correct directory name was given.";
        QMessageBox::warning(this, windowTitle(),
                             QCoreApplication::translate("QFileDialog", missing).arg(chosen.constFirst()));
        return;
    }
    // Only now that the name is known not to be a folder's may the dialog add the kind's suffix.
    if (!file.isDir())
        setDefaultSuffix(suffixOf(selectedNameFilter()));
    QFileDialog::accept();
    setDefaultSuffix(QString());
}

} // namespace picture
