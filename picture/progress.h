// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <cstddef>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

namespace picture {

// How far a long piece of work has got: `done` of `total`. Returns false once the person asked
// to cancel it; the work then stops and changes nothing.
using Progress = std::function<bool(std::size_t done, std::size_t total)>;

// A progress bar with a Cancel button over the window, shown once the work has taken half a
// second (or is seen to take longer), so that a quick open or save shows nothing.
class ProgressBar {
public:
    ProgressBar(QWidget* window, const QString& label);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    bool operator()(std::size_t done, std::size_t total);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace picture
