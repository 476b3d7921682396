// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/progress.h"

#include <QProgressDialog>

namespace picture {

namespace {
constexpr int kSteps = 1000;
constexpr int kShowAfterMilliseconds = 500;
} // namespace

ProgressBar::ProgressBar(QWidget* window, const QString& label)
    : m_dialog(std::make_unique<QProgressDialog>(window)) // with the toolkit's own Cancel button
{
    m_dialog->setLabelText(label);
    m_dialog->setRange(0, kSteps);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(kShowAfterMilliseconds);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
}

ProgressBar::~ProgressBar() = default;

bool ProgressBar::operator()(std::size_t done, std::size_t total)
{
    const int value = total == 0 ? kSteps : static_cast<int>(static_cast<double>(done) / total * kSteps);
    if (value != m_dialog->value())
        m_dialog->setValue(value);
    return !m_dialog->wasCanceled();
}

} // namespace picture
