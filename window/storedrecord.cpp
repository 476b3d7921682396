// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "window/storedrecord.h"

#include <algorithm>
#include <utility>

namespace window {

namespace {

using detail::Field;

std::string hexByte(std::uint8_t value)
{
    constexpr std::string_view digits = "0123456789abcdef";
    return {'0', 'x', digits[value >> 4], digits[value & 0x0f]};
}

std::string kindName(std::uint8_t kind)
{
    switch (static_cast<platform::ControlKind>(kind)) {
    case platform::ControlKind::PictureBox:
        return "picture box";
    case platform::ControlKind::Label:
        return "label";
    case platform::ControlKind::TextBox:
        return "text box";
    case platform::ControlKind::CommandButton:
        return "command button";
    case platform::ControlKind::ComboBox:
        return "combo box";
    case platform::ControlKind::Form:
        return "form";
    }
    return "unknown kind";
}

// Reads the record front to back; every read checks what is left first.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t offset() const { return m_offset; }
    bool atEnd() const { return m_offset == m_bytes.size(); }

    std::uint8_t u8(std::string_view what)
    {
        need(1, what);
        return m_bytes[m_offset++];
    }

    std::uint16_t u16(std::string_view what)
    {
        need(2, what);
        const auto value = static_cast<std::uint16_t>(m_bytes[m_offset] | m_bytes[m_offset + 1] << 8);
        m_offset += 2;
        return value;
    }

    std::uint32_t u32(std::string_view what)
    {
        need(4, what);
        const std::uint32_t value = detail::read32(m_bytes, m_offset);
        m_offset += 4;
        return value;
    }

    int i16(std::string_view what) { return static_cast<std::int16_t>(u16(what)); }
    int i32(std::string_view what) { return static_cast<std::int32_t>(u32(what)); }

    template <std::size_t N> std::array<std::uint8_t, N> bytes(std::string_view what)
    {
        need(N, what);
        std::array<std::uint8_t, N> out{};
        std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_offset), N, out.begin());
        m_offset += N;
        return out;
    }

    // A 16-bit length, that many characters and a zero byte.
    std::string text(std::string_view what)
    {
        const std::size_t lengthAt = m_offset;
        const std::uint16_t length = u16(std::string(what) + "'s length");
        if (m_bytes.size() - m_offset < std::size_t{length} + 1) {
            throw RecordError(lengthAt, std::string(what) + " (" + std::to_string(length) +
                                            " characters and a zero byte) runs past the end of the record");
        }
        const auto* first = reinterpret_cast<const char*>(m_bytes.data() + m_offset);
        std::string result(first, length);
        m_offset += length;
        const std::size_t zeroAt = m_offset;
        if (u8(what) != 0) {
            throw RecordError(zeroAt, "expected the zero byte that ends " + std::string(what) + ", found " +
                                          hexByte(m_bytes[zeroAt]));
        }
        return result;
    }

private:
    void need(std::size_t count, std::string_view what) const
    {
        const std::size_t left = m_bytes.size() - m_offset;
        if (left < count) {
            std::string problem = "expected " + std::string(what);
            if (count > 1) {
                problem += " (" + std::to_string(count) + " bytes)";
            }
            problem +=
                left == 0 ? ", but the record ends here" : ", but only " + std::to_string(left) + " bytes are left";
            throw RecordError(m_offset, problem);
        }
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_offset = 0;
};

// Reads the entry number, name and kind; returns the name and kind byte.
std::pair<std::string, std::uint8_t> readEntryHead(Reader& in, std::size_t number)
{
    const bool window = number == 0;
    const std::size_t numberAt = in.offset();
    const std::uint8_t found = in.u8(window ? "the window's entry number" : "a control number");
    if (found != number) {
        const std::string expected = window ? "the window's entry number " : "control number ";
        throw RecordError(numberAt,
                          "expected " + expected + std::to_string(number) + ", found " + std::to_string(found));
    }
    std::string name = in.text(window ? "the window's name" : "the name of control " + std::to_string(number));
    const std::size_t kindAt = in.offset();
    const std::uint8_t kind = in.u8("a kind byte");
    const auto formKind = static_cast<std::uint8_t>(platform::ControlKind::Form);
    if (window && kind != formKind) {
        throw RecordError(kindAt,
                          "expected the form kind " + hexByte(formKind) + " for the window, found " + hexByte(kind));
    }
    if (!window && !detail::isKnownKind(kind)) {
        throw RecordError(kindAt, "expected a control kind, found " + hexByte(kind) + ", which is no known kind");
    }
    if (!window && kind == formKind) {
        throw RecordError(kindAt, "expected a control kind, found the form kind " + hexByte(kind));
    }
    return {std::move(name), kind};
}

// Reads properties up to and including the entry's closing ff. readValue(field)
// reads one property's value. Returns which of the kind's properties were held.
template <typename ReadValue> PropertyMask readProperties(Reader& in, std::uint8_t kind, ReadValue readValue)
{
    const auto rules = detail::propertyRules(kind);
    PropertyMask held = 0;
    int previous = -1;
    for (;;) {
        const std::size_t codeAt = in.offset();
        const std::uint8_t code = in.u8("a property code or the closing ff");
        if (code == detail::kEntryEnd) {
            return held;
        }
        const auto rule = std::find_if(rules.begin(), rules.end(), [code](const auto& r) { return r.code == code; });
        if (rule == rules.end() || code <= previous) {
            std::string expected;
            for (const auto& r : rules) {
                if (r.code > previous) {
                    expected += (expected.empty() ? "" : ", ") + hexByte(r.code);
                }
            }
            std::string problem = expected.empty() ? "expected the closing ff"
                                                   : "expected the closing ff or a " + kindName(kind) +
                                                         " property code (" + expected + ")";
            problem += ", found " + hexByte(code);
            if (rule != rules.end()) {
                problem += code == previous ? ", which the entry already holds" : ", out of ascending order";
            }
            throw RecordError(codeAt, problem);
        }
        previous = code;
        held = static_cast<PropertyMask>(held | 1U << (rule - rules.begin()));
        readValue(rule->field);
    }
}

} // namespace

RecordError::RecordError(std::size_t offset, const std::string& problem)
    : std::runtime_error("stored record, offset " + std::to_string(offset) + ": " + problem), m_offset(offset)
{
}

StoredForm decodeFormRecord(std::span<const std::uint8_t> bytes)
{
    using namespace detail;
    Reader in(bytes);
    StoredForm form;
    platform::FormDescription& d = form.description;

    if (in.bytes<4>("the signature ff cc 31 00") != kSignature) {
        throw RecordError(0, "expected the signature ff cc 31 00");
    }
    form.openByte = in.u8("the byte after the signature");
    form.windowIdentifier = in.bytes<16>("the window's identifier");
    form.secondIdentifier = in.bytes<16>("the second identifier");
    form.kindIdentifier = in.bytes<16>("the form kind's identifier");
    for (std::size_t i = 0; i < kZeroFillerSize; ++i) {
        const std::size_t at = in.offset();
        const std::uint8_t value = in.u8("zero filler");
        if (value != 0) {
            throw RecordError(at, "expected zero filler up to offset 88, found " + hexByte(value));
        }
    }

    const std::uint32_t length = in.u32("the record's length");
    if (length != bytes.size() - kRecordLengthOffset) {
        throw RecordError(kRecordLengthOffset, "the length field says " + std::to_string(length) +
                                                   " bytes from here to the end, but there are " +
                                                   std::to_string(bytes.size() - kRecordLengthOffset));
    }
    const std::uint32_t distance = in.u32("the distance to the first control");

    d.name = readEntryHead(in, 0).first;
    form.held = readProperties(in, static_cast<std::uint8_t>(platform::ControlKind::Form), [&](Field field) {
        switch (field) {
        case Field::Caption:
            d.caption = in.text("the window's caption");
            break;
        case Field::LinkTopic:
            form.linkTopic = in.text("the window's link topic");
            break;
        case Field::Property19:
            form.property19 = in.u32("property 0x19's value");
            break;
        case Field::Property23:
            form.property23 = in.u32("property 0x23's value");
            break;
        case Field::ClientRect:
            d.clientLeft = in.i32("the client area's left");
            d.clientTop = in.i32("the client area's top");
            d.clientWidth = in.i32("the client area's width");
            d.clientHeight = in.i32("the client area's height");
            break;
        case Field::StartUpPosition:
            d.startUpPosition = in.u8("the start-up position");
            break;
        default:
            break;
        }
    });

    std::size_t tagAt = in.offset();
    if (distance != tagAt - kFirstTagDistanceOffset) {
        throw RecordError(
            kFirstTagDistanceOffset,
            "the distance field points at offset " + std::to_string(kFirstTagDistanceOffset + std::size_t{distance}) +
                ", but the window's entry ends and the first tag stands at offset " + std::to_string(tagAt));
    }
    std::uint8_t tag = in.u8("the tag after the window's entry");
    if (tag != kTagFirstControl && tag != kTagNoMoreControls) {
        throw RecordError(tagAt, "expected tag 01 (first control) or 02 (no controls), found " + hexByte(tag));
    }

    // Control numbers are one byte, so this loop ends after 255 controls at most.
    while (tag != kTagNoMoreControls) {
        const std::size_t number = d.controls.size() + 1;
        const std::size_t lengthAt = in.offset();
        const std::uint32_t entryLength = in.u32("the control's length");
        auto [name, kind] = readEntryHead(in, number);
        platform::ControlDescription control;
        control.name = std::move(name);
        control.kind = static_cast<platform::ControlKind>(kind);
        StoredControl stored;
        stored.held = readProperties(in, kind, [&](Field field) {
            switch (field) {
            case Field::Caption:
                control.caption = in.text("the caption of control " + std::to_string(number));
                break;
            case Field::Bounds:
                control.left = in.i16("a control's left");
                control.top = in.i16("a control's top");
                control.width = in.i16("a control's width");
                control.height = in.i16("a control's height");
                break;
            case Field::TabIndex:
                control.tabIndex = in.i16("a control's tab index");
                break;
            case Field::Property1A:
                stored.property1A = in.u32("property 0x1a's value");
                break;
            default:
                break;
            }
        });
        const std::size_t closeAt = in.offset() - 1;
        if (entryLength != closeAt - tagAt) {
            throw RecordError(lengthAt, "the length field of control " + std::to_string(number) + " says " +
                                            std::to_string(entryLength) + ", but from its tag at offset " +
                                            std::to_string(tagAt) + " to its closing ff at offset " +
                                            std::to_string(closeAt) + " there are " + std::to_string(closeAt - tagAt) +
                                            " bytes");
        }
        d.controls.push_back(std::move(control));
        form.storedControls.push_back(stored);

        tagAt = in.offset();
        tag = in.u8("the tag after a control");
        if (tag != kTagNextControl && tag != kTagNoMoreControls) {
            throw RecordError(tagAt,
                              "expected tag 03 (another control) or 02 (no more controls), found " + hexByte(tag));
        }
    }

    const std::size_t endAt = in.offset();
    const std::uint8_t end = in.u8("the closing 04");
    if (end != kRecordEnd) {
        throw RecordError(endAt, "expected the closing 04, found " + hexByte(end));
    }
    if (!in.atEnd()) {
        const std::size_t extra = bytes.size() - in.offset();
        throw RecordError(in.offset(), "expected the record to end after the closing 04, but " + std::to_string(extra) +
                                           (extra == 1 ? " byte follows" : " bytes follow"));
    }
    return form;
}

std::vector<std::uint8_t> encodeFormRecord(const StoredForm& form)
{
    const platform::FormDescription& d = form.description;
    if (form.storedControls.size() != d.controls.size()) {
        throw std::invalid_argument("a stored form needs one StoredControl per control");
    }
    std::vector<detail::ControlSource> controls;
    controls.reserve(d.controls.size());
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
        const platform::ControlDescription& c = d.controls[i];
        controls.push_back({c.name, c.kind, c.caption, c.left, c.top, c.width, c.height, c.tabIndex,
                            form.storedControls[i].property1A, form.storedControls[i].held});
    }
    const detail::FormSource source{
        form.openByte, form.windowIdentifier, form.secondIdentifier, form.kindIdentifier, d.name,
        d.caption,     form.property19,       form.property23,       form.linkTopic,      d.clientLeft,
        d.clientTop,   d.clientWidth,         d.clientHeight,        d.startUpPosition,   form.held,
        controls,
    };
    detail::VectorSink sink;
    detail::writeRecord(sink, source);
    return std::move(sink.bytes);
}

platform::FormDescription form1Description()
{
    return decodeFormRecord(kForm1Record).description;
}

} // namespace window
