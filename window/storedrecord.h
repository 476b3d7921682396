// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/formdescription.h"
#include "window/form1layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The window's description is kept as one stored record, made at compile time
// from the layout table and decoded at start-up. All numbers in it are
// little-endian.

namespace window {

// A 16-byte identifier in its stored byte order.
using Identifier = std::array<std::uint8_t, 16>;

// Which of its kind's properties an entry holds: bit i stands for the i-th
// property that detail::propertyRules() lists for the kind.
using PropertyMask = std::uint8_t;
inline constexpr PropertyMask kAllProperties = 0xff;

// What the record keeps about a control beyond its description.
struct StoredControl {
    std::uint32_t property1A = 0; // picture boxes only, kept as found
    PropertyMask held = kAllProperties;

    bool operator==(const StoredControl&) const = default;
};

// Everything a record holds, enough to write it again byte for byte. A property
// an entry leaves out keeps the default its field has here.
struct StoredForm {
    std::uint8_t openByte = 0;
    Identifier windowIdentifier{};
    Identifier secondIdentifier{};
    Identifier kindIdentifier{};
    std::uint32_t property19 = 0;
    std::uint32_t property23 = 0;
    std::string linkTopic;
    PropertyMask held = kAllProperties;
    platform::FormDescription description;
    // One per description.controls, in the same order.
    std::vector<StoredControl> storedControls;

    bool operator==(const StoredForm&) const = default;
};

// Thrown by decodeFormRecord() for anything that is not a well-formed record.
class RecordError : public std::runtime_error {
public:
    explicit RecordError(std::size_t offset, const std::string& problem);

    // Where in the record the problem lies.
    std::size_t offset() const noexcept { return m_offset; }

private:
    std::size_t m_offset;
};

// Throws RecordError on malformed input; never reads outside `bytes`.
StoredForm decodeFormRecord(std::span<const std::uint8_t> bytes);

// Writes a record; throws std::invalid_argument for a form the record cannot
// hold, or when `storedControls` does not have one entry per control.
std::vector<std::uint8_t> encodeFormRecord(const StoredForm& form);

// The window the program opens, decoded from kForm1Record.
platform::FormDescription form1Description();

namespace detail {

inline constexpr std::array<std::uint8_t, 4> kSignature{0xff, 0xcc, 0x31, 0x00};
inline constexpr std::size_t kZeroFillerSize = 36;
inline constexpr std::size_t kRecordLengthOffset = 89;
inline constexpr std::size_t kFirstTagDistanceOffset = 93;

inline constexpr std::uint8_t kEntryEnd = 0xff;
inline constexpr std::uint8_t kTagFirstControl = 0x01;
inline constexpr std::uint8_t kTagNoMoreControls = 0x02;
inline constexpr std::uint8_t kTagNextControl = 0x03;
inline constexpr std::uint8_t kRecordEnd = 0x04;

enum class Field : std::uint8_t {
    Caption,         // string
    LinkTopic,       // string
    Property19,      // 32-bit, opaque
    Property23,      // 32-bit, opaque
    Property1A,      // 32-bit, opaque
    ClientRect,      // four signed 32-bit
    StartUpPosition, // 8-bit
    Bounds,          // four signed 16-bit
    TabIndex,        // signed 16-bit
};

struct PropertyRule {
    std::uint8_t code;
    Field field;
};

// Per kind, the properties an entry may hold, in the ascending order they are stored in.
inline constexpr std::array<PropertyRule, 6> kFormRules{{
    {0x01, Field::Caption},
    {0x19, Field::Property19},
    {0x23, Field::Property23},
    {0x24, Field::LinkTopic},
    {0x35, Field::ClientRect},
    {0x46, Field::StartUpPosition},
}};
inline constexpr std::array<PropertyRule, 3> kCommandButtonRules{{
    {0x01, Field::Caption},
    {0x04, Field::Bounds},
    {0x11, Field::TabIndex},
}};
inline constexpr std::array<PropertyRule, 2> kTextBoxRules{{
    {0x04, Field::Bounds},
    {0x12, Field::TabIndex},
}};
inline constexpr std::array<PropertyRule, 2> kComboBoxRules{{
    {0x05, Field::Bounds},
    {0x13, Field::TabIndex},
}};
inline constexpr std::array<PropertyRule, 3> kPictureBoxRules{{
    {0x05, Field::Bounds},
    {0x12, Field::TabIndex},
    {0x1A, Field::Property1A},
}};
inline constexpr std::array<PropertyRule, 3> kLabelRules{{
    {0x01, Field::Caption},
    {0x05, Field::Bounds},
    {0x12, Field::TabIndex},
}};

constexpr bool isKnownKind(std::uint8_t kind)
{
    using K = platform::ControlKind;
    for (const K known : {K::PictureBox, K::Label, K::TextBox, K::CommandButton, K::ComboBox, K::Form}) {
        if (kind == static_cast<std::uint8_t>(known)) {
            return true;
        }
    }
    return false;
}

// Empty for a kind byte that isKnownKind() rejects.
constexpr std::span<const PropertyRule> propertyRules(std::uint8_t kind)
{
    switch (static_cast<platform::ControlKind>(kind)) {
    case platform::ControlKind::Form:
        return kFormRules;
    case platform::ControlKind::CommandButton:
        return kCommandButtonRules;
    case platform::ControlKind::TextBox:
        return kTextBoxRules;
    case platform::ControlKind::ComboBox:
        return kComboBoxRules;
    case platform::ControlKind::PictureBox:
        return kPictureBoxRules;
    case platform::ControlKind::Label:
        return kLabelRules;
    }
    return {};
}

constexpr bool holdsCaption(std::uint8_t kind, PropertyMask held)
{
    const auto rules = propertyRules(kind);
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (rules[i].field == Field::Caption) {
            return (held >> i) & 1U;
        }
    }
    return false;
}

constexpr int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    throw std::invalid_argument("identifier holds a character that is not a hex digit");
}

// What the writer needs of one control; strings are views, so the same writer
// serves the layout table at compile time and a StoredForm at run time.
struct ControlSource {
    std::string_view name;
    platform::ControlKind kind = platform::ControlKind::Label;
    std::string_view caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = 0;
    std::uint32_t property1A = 0;
    PropertyMask held = kAllProperties;
};

struct FormSource {
    std::uint8_t openByte = 0;
    Identifier windowIdentifier{};
    Identifier secondIdentifier{};
    Identifier kindIdentifier{};
    std::string_view name;
    std::string_view caption;
    std::uint32_t property19 = 0;
    std::uint32_t property23 = 0;
    std::string_view linkTopic;
    int clientLeft = 0;
    int clientTop = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    int startUpPosition = 0;
    PropertyMask held = kAllProperties;
    std::span<const ControlSource> controls;
};

// Sinks for writeRecord(): count the bytes, fill a fixed array, or grow a vector.
struct CountingSink {
    std::size_t count = 0;

    constexpr void put(std::uint8_t) { ++count; }
    constexpr void patch(std::size_t, std::uint8_t) {}
    constexpr std::size_t size() const { return count; }
};

template <std::size_t N> struct ArraySink {
    std::array<std::uint8_t, N> bytes{};
    std::size_t count = 0;

    constexpr void put(std::uint8_t value)
    {
        if (count == N) {
            throw std::length_error("record longer than its array");
        }
        bytes[count++] = value;
    }
    constexpr void patch(std::size_t at, std::uint8_t value) { bytes[at] = value; }
    constexpr std::size_t size() const { return count; }
};

struct VectorSink {
    std::vector<std::uint8_t> bytes;

    void put(std::uint8_t value) { bytes.push_back(value); }
    void patch(std::size_t at, std::uint8_t value) { bytes[at] = value; }
    std::size_t size() const { return bytes.size(); }
};

template <typename Sink> constexpr void put16(Sink& out, std::uint16_t value)
{
    out.put(static_cast<std::uint8_t>(value));
    out.put(static_cast<std::uint8_t>(value >> 8));
}

template <typename Sink> constexpr void put32(Sink& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.put(static_cast<std::uint8_t>(value >> shift));
    }
}

// Fills in a 32-bit field written earlier as a placeholder.
template <typename Sink> constexpr void patch32(Sink& out, std::size_t at, std::size_t value)
{
    if (value > 0xffffffffU) {
        throw std::invalid_argument("record too long for its 32-bit length fields");
    }
    for (std::size_t i = 0; i < 4; ++i) {
        out.patch(at + i, static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

template <typename Sink> constexpr void putInt16(Sink& out, int value)
{
    if (value < -32768 || value > 32767) {
        throw std::invalid_argument("a control's position, size or tab index does not fit in 16 bits");
    }
    put16(out, static_cast<std::uint16_t>(value));
}

template <typename Sink> constexpr void putString(Sink& out, std::string_view text)
{
    if (text.size() > 0xffff) {
        throw std::invalid_argument("a name or caption is longer than 65535 characters");
    }
    put16(out, static_cast<std::uint16_t>(text.size()));
    for (const char c : text) {
        out.put(static_cast<std::uint8_t>(c));
    }
    out.put(0);
}

template <typename Sink>
constexpr void putEntryHead(Sink& out, std::size_t number, std::string_view name, platform::ControlKind kind)
{
    out.put(static_cast<std::uint8_t>(number));
    putString(out, name);
    out.put(static_cast<std::uint8_t>(kind));
}

template <typename Sink> constexpr void putFormProperties(Sink& out, const FormSource& form)
{
    if (form.startUpPosition < 0 || form.startUpPosition > 255) {
        throw std::invalid_argument("the start-up position does not fit in a byte");
    }
    for (std::size_t i = 0; i < kFormRules.size(); ++i) {
        if (((form.held >> i) & 1U) == 0) {
            continue;
        }
        out.put(kFormRules[i].code);
        switch (kFormRules[i].field) {
        case Field::Caption:
            putString(out, form.caption);
            break;
        case Field::LinkTopic:
            putString(out, form.linkTopic);
            break;
        case Field::Property19:
            put32(out, form.property19);
            break;
        case Field::Property23:
            put32(out, form.property23);
            break;
        case Field::ClientRect:
            for (const int v : {form.clientLeft, form.clientTop, form.clientWidth, form.clientHeight}) {
                put32(out, static_cast<std::uint32_t>(v));
            }
            break;
        case Field::StartUpPosition:
            out.put(static_cast<std::uint8_t>(form.startUpPosition));
            break;
        default:
            break;
        }
    }
}

template <typename Sink> constexpr void putControlProperties(Sink& out, const ControlSource& control)
{
    const auto rules = propertyRules(static_cast<std::uint8_t>(control.kind));
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (((control.held >> i) & 1U) == 0) {
            continue;
        }
        out.put(rules[i].code);
        switch (rules[i].field) {
        case Field::Caption:
            putString(out, control.caption);
            break;
        case Field::Bounds:
            for (const int v : {control.left, control.top, control.width, control.height}) {
                putInt16(out, v);
            }
            break;
        case Field::TabIndex:
            putInt16(out, control.tabIndex);
            break;
        case Field::Property1A:
            put32(out, control.property1A);
            break;
        default:
            break;
        }
    }
}

// The one writer of records. Throws std::invalid_argument for a form the record
// cannot hold: numbers out of range, a caption on a kind without one, a kind
// that is not a control's, more than 255 controls.
template <typename Sink> constexpr void writeRecord(Sink& out, const FormSource& form)
{
    if (form.controls.size() > 255) {
        throw std::invalid_argument("a window holds at most 255 controls");
    }
    for (const std::uint8_t b : kSignature) {
        out.put(b);
    }
    out.put(form.openByte);
    for (const Identifier& id : {form.windowIdentifier, form.secondIdentifier, form.kindIdentifier}) {
        for (const std::uint8_t b : id) {
            out.put(b);
        }
    }
    for (std::size_t i = 0; i < kZeroFillerSize; ++i) {
        out.put(0);
    }
    put32(out, 0); // record length, filled in at the end
    put32(out, 0); // distance to the first tag, filled in after the window's entry

    putEntryHead(out, 0, form.name, platform::ControlKind::Form);
    putFormProperties(out, form);
    out.put(kEntryEnd);
    patch32(out, kFirstTagDistanceOffset, out.size() - kFirstTagDistanceOffset);

    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const ControlSource& control = form.controls[i];
        const auto kind = static_cast<std::uint8_t>(control.kind);
        if (!isKnownKind(kind) || control.kind == platform::ControlKind::Form) {
            throw std::invalid_argument("a control's kind is not one a control can have");
        }
        if (!control.caption.empty() && !holdsCaption(kind, control.held)) {
            throw std::invalid_argument("a control has a caption the record cannot hold");
        }
        const std::size_t tagAt = out.size();
        out.put(i == 0 ? kTagFirstControl : kTagNextControl);
        put32(out, 0); // entry length, filled in below
        putEntryHead(out, i + 1, control.name, control.kind);
        putControlProperties(out, control);
        patch32(out, tagAt + 1, out.size() - tagAt);
        out.put(kEntryEnd);
    }
    out.put(kTagNoMoreControls);
    out.put(kRecordEnd);
    patch32(out, kRecordLengthOffset, out.size() - kRecordLengthOffset);
}

} // namespace detail

// Turns "{8C02A679-A68E-4D35-9CB9-D0C85953B759}" into stored order: the first
// group as a 32-bit number, the next two as 16-bit numbers, the last two byte by byte.
constexpr Identifier identifierFromText(std::string_view text)
{
    constexpr std::string_view shape = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    if (text.size() != shape.size()) {
        throw std::invalid_argument("identifier text has the wrong length");
    }
    std::array<std::uint8_t, 16> written{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] != 'X') {
            if (text[i] != shape[i]) {
                throw std::invalid_argument("identifier text is not shaped {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}");
            }
            continue;
        }
        const int digit = detail::hexDigit(text[i]);
        written[count / 2] = static_cast<std::uint8_t>(written[count / 2] * 16 + digit);
        ++count;
    }
    return {written[3], written[2], written[1],  written[0],  written[5],  written[4],  written[7],  written[6],
            written[8], written[9], written[10], written[11], written[12], written[13], written[14], written[15]};
}

inline constexpr std::uint8_t kForm1OpenByte = 9;
inline constexpr Identifier kForm1Identifier = identifierFromText("{8C02A679-A68E-4D35-9CB9-D0C85953B759}");
inline constexpr Identifier kForm1SecondIdentifier = identifierFromText("{39A16089-D56C-4B10-9FC7-00AD454AAB43}");
inline constexpr Identifier kFormKindIdentifier = identifierFromText("{33AD4F3A-6699-11CF-B70C-00AA0060D393}");
inline constexpr std::uint32_t kForm1Property19 = 0x00420001;
inline constexpr std::uint32_t kForm1Property23 = 0xffffffff;
inline constexpr std::string_view kForm1LinkTopic = "Form1";
inline constexpr std::uint32_t kPictureBoxProperty1A = 0x00620001;

namespace detail {

inline constexpr auto kForm1ControlSources = [] {
    std::array<ControlSource, kForm1Controls.size()> sources{};
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const ControlLayout& c = kForm1Controls[i];
        sources[i] = {c.name,        c.kind,     c.caption,
                      c.left,        c.top,      c.width,
                      c.height,      c.tabIndex, c.kind == ControlKind::PictureBox ? kPictureBoxProperty1A : 0,
                      kAllProperties};
    }
    return sources;
}();

// The program's window: the layout table plus the record's own values.
inline constexpr FormSource kForm1Source{
    kForm1OpenByte,      kForm1Identifier,       kForm1SecondIdentifier, kFormKindIdentifier,
    kForm1.name,         kForm1.caption,         kForm1Property19,       kForm1Property23,
    kForm1LinkTopic,     kForm1.clientLeft,      kForm1.clientTop,       kForm1.clientWidth,
    kForm1.clientHeight, kForm1.startUpPosition, kAllProperties,         kForm1ControlSources,
};

constexpr std::size_t form1RecordSize()
{
    CountingSink counter;
    writeRecord(counter, kForm1Source);
    return counter.size();
}

constexpr auto makeForm1Record()
{
    ArraySink<form1RecordSize()> sink;
    writeRecord(sink, kForm1Source);
    return sink.bytes;
}

constexpr std::uint32_t read32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

} // namespace detail

inline constexpr auto kForm1Record = detail::makeForm1Record();

static_assert(kForm1Record.size() == 466);
static_assert(detail::read32(kForm1Record, detail::kRecordLengthOffset) == 377);
static_assert(detail::read32(kForm1Record, detail::kFirstTagDistanceOffset) == 66);
static_assert(kForm1Record[detail::kFirstTagDistanceOffset + 66] == detail::kTagFirstControl);
static_assert(detail::read32(kForm1Record, detail::kFirstTagDistanceOffset + 67) == 37); // cmdDraw
static_assert(kForm1Record[5] == 0x79 && kForm1Record[8] == 0x8c && kForm1Record[20] == 0x59);
static_assert(kForm1Record[kForm1Record.size() - 2] == detail::kTagNoMoreControls);
static_assert(kForm1Record.back() == detail::kRecordEnd);

} // namespace window
