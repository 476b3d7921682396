// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/palette.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// One dot as it was drawn: its point in twips, its colour and its pen width in pixels.
struct Dot {
    float x = 0;
    float y = 0;
    ColourValue colour = 0;
    std::int16_t width = 1;
};
static_assert(sizeof(Dot) == 16, "a dot is kept in 16 bytes");

// The dots of a picture, oldest first, in fixed blocks: growing never moves or copies the
// dots already kept, so a press costs the same with a million dots as with one.
class DotStore {
public:
    void append(const Dot& dot)
    {
        if (m_size % kBlockSize == 0)
            m_blocks.push_back(std::make_unique_for_overwrite<Dot[]>(kBlockSize));
        m_blocks.back()[m_size % kBlockSize] = dot;
        ++m_size;
    }
    // Takes the newest dot away; a block left empty is given back.
    void removeLast()
    {
        --m_size;
        if (m_size % kBlockSize == 0)
            m_blocks.pop_back();
    }
    const Dot& back() const { return (*this)[m_size - 1]; }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const Dot& operator[](std::size_t index) const { return m_blocks[index / kBlockSize][index % kBlockSize]; }

    template <typename Visit> void forEach(Visit visit) const
    {
        for (std::size_t index = 0; index < m_size; ++index)
            visit(m_blocks[index / kBlockSize][index % kBlockSize]);
    }

private:
    static constexpr std::size_t kBlockSize = 4096;

    std::vector<std::unique_ptr<Dot[]>> m_blocks;
    std::size_t m_size = 0;
};

} // namespace platform
