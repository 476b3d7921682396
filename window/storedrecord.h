// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "window/form1layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// The window's description is kept as one stored record, written at compile time from the
// window's table and read at start-up. All numbers in it are little-endian.

namespace window {

// Thrown by decodeFormRecord() for anything that is not a well-formed record.
class RecordError : public std::runtime_error {
public:
    explicit RecordError(std::size_t offset, const std::string& problem);

    // Where in the record the problem lies.
    std::size_t offset() const noexcept { return m_offset; }

private:
    std::size_t m_offset;
};

// Throws RecordError on malformed input; never reads outside `bytes`. The identifiers and
// the properties without a meaning here are checked for shape and set aside.
platform::FormDescription decodeFormRecord(std::span<const std::uint8_t> bytes);

// The record of a window, with this program's identifiers. Throws std::invalid_argument for a
// window the record cannot hold. Which control a label names is not part of the record.
std::vector<std::uint8_t> encodeFormRecord(const platform::FormDescription& form);

// The window the program opens: decoded from kForm1Record, with the labels' buddies of kForm1.
platform::FormDescription form1Description();

namespace detail {

inline constexpr std::array<std::uint8_t, 4> kSignature{0xff, 0xcc, 0x31, 0x00};
inline constexpr std::uint8_t kOpenByte = 9;
// The identifiers of this window, {8C02A679-A68E-4D35-9CB9-D0C85953B759} and
// {39A16089-D56C-4B10-9FC7-00AD454AAB43}, and of the platform's form kind,
// {33AD4F3A-6699-11CF-B70C-00AA0060D393}: the first three groups are stored little-endian.
inline constexpr std::array<std::array<std::uint8_t, 16>, 3> kIdentifiers{{
    {0x79, 0xa6, 0x02, 0x8c, 0x8e, 0xa6, 0x35, 0x4d, 0x9c, 0xb9, 0xd0, 0xc8, 0x59, 0x53, 0xb7, 0x59},
    {0x89, 0x60, 0xa1, 0x39, 0x6c, 0xd5, 0x10, 0x4b, 0x9f, 0xc7, 0x00, 0xad, 0x45, 0x4a, 0xab, 0x43},
    {0x3a, 0x4f, 0xad, 0x33, 0x99, 0x66, 0xcf, 0x11, 0xb7, 0x0c, 0x00, 0xaa, 0x00, 0x60, 0xd3, 0x93},
}};
inline constexpr std::size_t kZeroFillerSize = 36;
inline constexpr std::size_t kRecordLengthOffset = 89;
inline constexpr std::size_t kFirstTagDistanceOffset = 93;

inline constexpr std::uint8_t kEntryEnd = 0xff;
inline constexpr std::uint8_t kTagFirstControl = 0x01;
inline constexpr std::uint8_t kTagNoMoreControls = 0x02;
inline constexpr std::uint8_t kTagNextControl = 0x03;
inline constexpr std::uint8_t kRecordEnd = 0x04;

// One property an entry may hold: its code, how its value is stored, and the members of the
// description it holds. The reader and the writer both walk these, so a property is one row.
template <typename Entry> struct Field {
    std::uint8_t code = 0;
    // Bytes per number: 1 (unsigned), 2 or 4 (signed); 0 for a text.
    std::uint8_t width = 0;
    // The numbers, in stored order; unused places are null.
    std::array<int Entry::*, 4> numbers{};
    decltype(Entry::name) Entry::*text = nullptr;
    // A value with no member in the description: written as here, read and set aside.
    std::uint32_t fixed = 0;
    std::string_view fixedText = {};
};

template <typename C> constexpr Field<C> caption(std::uint8_t code)
{
    return {.code = code, .text = &C::caption};
}
template <typename C> constexpr Field<C> bounds(std::uint8_t code)
{
    return {.code = code, .width = 2, .numbers = {&C::left, &C::top, &C::width, &C::height}};
}
template <typename C> constexpr Field<C> tabIndex(std::uint8_t code)
{
    return {.code = code, .width = 2, .numbers = {&C::tabIndex}};
}

// Per kind, the properties in the ascending order of code in which they are stored.
template <typename F>
inline constexpr std::array<Field<F>, 6> kFormFields{{
    {.code = 0x01, .text = &F::caption},
    {.code = 0x19, .width = 4, .fixed = 0x00420001},
    {.code = 0x23, .width = 4, .fixed = 0xffffffff},
    {.code = 0x24, .fixedText = "Form1"}, // link topic
    {.code = 0x35, .width = 4, .numbers = {&F::clientLeft, &F::clientTop, &F::clientWidth, &F::clientHeight}},
    {.code = 0x46, .width = 1, .numbers = {&F::startUpPosition}},
}};
template <typename C>
inline constexpr std::array<Field<C>, 3> kCommandButtonFields{{
    caption<C>(0x01),
    bounds<C>(0x04),
    tabIndex<C>(0x11),
}};
template <typename C>
inline constexpr std::array<Field<C>, 2> kTextBoxFields{{
    bounds<C>(0x04),
    tabIndex<C>(0x12),
}};
template <typename C>
inline constexpr std::array<Field<C>, 2> kComboBoxFields{{
    bounds<C>(0x05),
    tabIndex<C>(0x13),
}};
template <typename C>
inline constexpr std::array<Field<C>, 3> kPictureBoxFields{{
    bounds<C>(0x05),
    tabIndex<C>(0x12),
    {.code = 0x1A, .width = 4, .fixed = 0x00620001},
}};
template <typename C>
inline constexpr std::array<Field<C>, 3> kLabelFields{{
    caption<C>(0x01),
    bounds<C>(0x05),
    tabIndex<C>(0x12),
}};

template <typename C> struct Kind {
    ControlKind kind;
    std::string_view name;
    std::span<const Field<C>> fields;
};

template <typename C>
inline constexpr std::array<Kind<C>, 5> kControlKinds{{
    {ControlKind::PictureBox, "picture box", kPictureBoxFields<C>},
    {ControlKind::Label, "label", kLabelFields<C>},
    {ControlKind::TextBox, "text box", kTextBoxFields<C>},
    {ControlKind::CommandButton, "command button", kCommandButtonFields<C>},
    {ControlKind::ComboBox, "combo box", kComboBoxFields<C>},
}};

// None for a byte that is no control's kind. (A pointer into the table would do, but a
// sanitizer build cannot compare one with null at compile time.)
template <typename C> constexpr std::optional<Kind<C>> controlKind(std::uint8_t byte)
{
    for (const Kind<C>& kind : kControlKinds<C>) {
        if (static_cast<std::uint8_t>(kind.kind) == byte)
            return kind;
    }
    return std::nullopt;
}

// Counts the bytes written, and stores them too where it has been given room for them.
struct Sink {
    std::uint8_t* bytes = nullptr;
    std::size_t size = 0;

    constexpr void put(std::uint8_t value)
    {
        if (bytes)
            bytes[size] = value;
        ++size;
    }
    constexpr void number(long long value, int width)
    {
        if ((width == 1 && (value < 0 || value > 0xff)) || (width == 2 && (value < -0x8000 || value > 0x7fff)))
            throw std::invalid_argument("a number does not fit in its property (a byte 0 to 255, or 16 bits)");
        for (int i = 0; i < width; ++i)
            put(static_cast<std::uint8_t>(static_cast<unsigned long long>(value) >> (8 * i)));
    }
    constexpr void text(std::string_view text)
    {
        if (text.size() > 0xffff)
            throw std::invalid_argument("a name or caption is longer than 65535 characters");
        put(static_cast<std::uint8_t>(text.size()));
        put(static_cast<std::uint8_t>(text.size() >> 8));
        for (const char c : text)
            put(static_cast<std::uint8_t>(c));
        put(0);
    }
    // Fills in a 32-bit length written earlier as a placeholder.
    constexpr void patch32(std::size_t at, std::size_t value)
    {
        for (std::size_t i = 0; bytes && i < 4; ++i)
            bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
};

template <typename Entry> constexpr void putFields(Sink& out, std::span<const Field<Entry>> fields, const Entry& entry)
{
    for (const Field<Entry>& field : fields) {
        out.put(field.code);
        if (field.width == 0) {
            out.text(field.text ? std::string_view(entry.*field.text) : field.fixedText);
        } else if (!field.numbers[0]) {
            out.number(field.fixed, field.width);
        } else {
            for (int Entry::*member : field.numbers) {
                if (member)
                    out.number(entry.*member, field.width);
            }
        }
    }
}

// The one writer of records, for the table at compile time and a description at run time.
template <typename Form> constexpr void writeRecord(Sink& out, const Form& form)
{
    using Control = std::remove_cvref_t<decltype(form.controls[0])>;
    if (form.controls.size() > 255)
        throw std::invalid_argument("a window holds at most 255 controls");
    for (const std::uint8_t b : kSignature)
        out.put(b);
    out.put(kOpenByte);
    for (const auto& identifier : kIdentifiers) {
        for (const std::uint8_t b : identifier)
            out.put(b);
    }
    for (std::size_t i = 0; i < kZeroFillerSize + 8; ++i)
        out.put(0); // the filler, then the two lengths, filled in below

    out.put(0);
    out.text(form.name);
    out.put(static_cast<std::uint8_t>(ControlKind::Form));
    putFields<Form>(out, kFormFields<Form>, form);
    out.put(kEntryEnd);
    out.patch32(kFirstTagDistanceOffset, out.size - kFirstTagDistanceOffset);

    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const Control& control = form.controls[i];
        const std::optional<Kind<Control>> kind = controlKind<Control>(static_cast<std::uint8_t>(control.kind));
        if (!kind)
            throw std::invalid_argument("a control's kind is not one a control can have");
        bool holdsCaption = false;
        for (const Field<Control>& field : kind->fields)
            holdsCaption = holdsCaption || field.text == &Control::caption;
        if (!holdsCaption && !control.caption.empty())
            throw std::invalid_argument("a control has a caption its kind cannot hold");

        const std::size_t tagAt = out.size;
        out.put(i == 0 ? kTagFirstControl : kTagNextControl);
        out.number(0, 4); // the entry's length, filled in below
        out.put(static_cast<std::uint8_t>(i + 1));
        out.text(control.name);
        out.put(static_cast<std::uint8_t>(control.kind));
        putFields(out, kind->fields, control);
        out.patch32(tagAt + 1, out.size - tagAt);
        out.put(kEntryEnd);
    }
    out.put(kTagNoMoreControls);
    out.put(kRecordEnd);
    out.patch32(kRecordLengthOffset, out.size - kRecordLengthOffset);
}

constexpr std::uint32_t read32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// The length field of each child, found by walking from the first tag along them.
template <std::size_t N> constexpr std::array<std::uint32_t, N> childLengths(std::span<const std::uint8_t> record)
{
    std::array<std::uint32_t, N> lengths{};
    std::size_t tag = kFirstTagDistanceOffset + read32(record, kFirstTagDistanceOffset);
    for (std::uint32_t& length : lengths) {
        length = read32(record, tag + 1);
        tag += length + 1;
    }
    return lengths;
}

} // namespace detail

inline constexpr auto kForm1Record = [] {
    constexpr std::size_t size = [] {
        detail::Sink counter;
        detail::writeRecord(counter, kForm1);
        return counter.size;
    }();
    std::array<std::uint8_t, size> bytes{};
    detail::Sink sink{bytes.data()};
    detail::writeRecord(sink, kForm1);
    return bytes;
}();

static_assert(kForm1Record.size() == 466);
static_assert(detail::read32(kForm1Record, detail::kRecordLengthOffset) == 377);
static_assert(detail::read32(kForm1Record, detail::kFirstTagDistanceOffset) == 66);
static_assert(detail::childLengths<9>(kForm1Record) ==
              std::array<std::uint32_t, 9>{37, 27, 26, 26, 28, 35, 41, 38, 38});
static_assert(kForm1Record[464] == detail::kTagNoMoreControls && kForm1Record[465] == detail::kRecordEnd);

} // namespace window
