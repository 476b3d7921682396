// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/drawingreader.h"
#include "platform/notes/errorreport.h"
#include "platform/palette.h"

#include <QBuffer>
#include <QByteArray>

#include <cmath>
#include <cstdlib>

// Any input must either be refused with a reason, or give dots that can all be drawn: finite
// points near the area, one of the sixteen colours, a pen width from 1 to 32767, no more of them
// than a drawing may hold.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const picture::ReadLimits limits{1 << 20, 1000};
    try {
        const auto read = picture::readDrawing(device, qint64(size), {}, limits);
        if (!read || read->dots.size() > limits.dots)
            std::abort();
        read->dots.forEach([](const platform::Dot& dot) {
            bool known = false;
            for (std::int16_t number = 0; number < 16; ++number)
                known = known || platform::paletteColor(number) == dot.colour;
            if (!std::isfinite(dot.x) || !std::isfinite(dot.y) || std::fabs(dot.x) > 1e6 || std::fabs(dot.y) > 1e6 ||
                dot.width < 1 || !known)
                std::abort();
        });
    } catch (const platform::ReportedError& refused) {
        if (!*refused.what())
            std::abort();
    }
    return 0;
}
