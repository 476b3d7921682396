// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFileDialog>

namespace picture {

// Asks where to save the picture, as PNG or SVG. A name without a suffix takes the suffix of the
// kind chosen; the name of a folder opens that folder, whether or not it ends in a slash, and a
// folder that does not exist is said to be missing rather than taken for a file.
class SaveDialog : public QFileDialog {
    Q_OBJECT

public:
    // Starts at `proposed`, a whole path, with the kind its suffix names chosen.
    SaveDialog(QWidget* parent, const QString& proposed);

    // The file chosen, or nothing where the person cancelled.
    static QString ask(QWidget* parent, const QString& proposed);

public Q_SLOTS:
    void accept() override;
};

} // namespace picture
