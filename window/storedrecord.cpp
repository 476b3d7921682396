// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "window/storedrecord.h"

#include <algorithm>

namespace window {

namespace {

using namespace detail;
using platform::ControlDescription;
using platform::FormDescription;

std::string hexByte(std::uint8_t value)
{
    constexpr std::string_view digits = "0123456789abcdef";
    return {'0', 'x', digits[value >> 4], digits[value & 0x0f]};
}

// Reads the record front to back; every read checks what is left first.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t offset() const { return m_offset; }
    std::size_t left() const { return m_bytes.size() - m_offset; }

    std::uint8_t u8(std::string_view what)
    {
        need(1, what);
        return m_bytes[m_offset++];
    }

    // A number of 1 (unsigned), 2 or 4 (signed) bytes.
    int number(int width, std::string_view what)
    {
        need(static_cast<std::size_t>(width), what);
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i)
            value |= std::uint32_t{m_bytes[m_offset++]} << (8 * i);
        return width == 1   ? static_cast<int>(value)
               : width == 2 ? static_cast<std::int16_t>(value)
                            : static_cast<std::int32_t>(value);
    }

    std::span<const std::uint8_t> skip(std::size_t count, std::string_view what)
    {
        need(count, what);
        m_offset += count;
        return m_bytes.subspan(m_offset - count, count);
    }

    // A 16-bit length, that many characters and a zero byte.
    std::string text(std::string_view what)
    {
        const std::size_t lengthAt = m_offset;
        const auto length = static_cast<std::uint16_t>(number(2, what));
        if (left() < std::size_t{length} + 1) {
            throw RecordError(lengthAt, std::string(what) + " (" + std::to_string(length) +
                                            " characters and a zero byte) runs past the end of the record");
        }
        const auto chars = skip(length, what);
        std::string result(chars.begin(), chars.end());
        if (const std::uint8_t zero = u8(what); zero != 0) {
            throw RecordError(m_offset - 1,
                              "expected the zero byte that ends " + std::string(what) + ", found " + hexByte(zero));
        }
        return result;
    }

private:
    void need(std::size_t count, std::string_view what) const
    {
        if (left() < count) {
            throw RecordError(m_offset, "expected " + std::string(what) + " (" + std::to_string(count) +
                                            " bytes), but the record has only " + std::to_string(left()) +
                                            (left() == 1 ? " byte" : " bytes") + " left");
        }
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_offset = 0;
};

// Reads an entry's number, name and kind byte; the name goes into `name`.
std::uint8_t readEntryHead(Reader& in, std::size_t number, std::string& name)
{
    const std::size_t numberAt = in.offset();
    if (const std::uint8_t found = in.u8("an entry number"); found != number) {
        throw RecordError(numberAt,
                          "expected entry number " + std::to_string(number) + ", found " + std::to_string(found));
    }
    name = in.text("the name of entry " + std::to_string(number));
    return in.u8("a kind byte");
}

// Reads properties up to and including the entry's closing ff.
template <typename Entry>
void readFields(Reader& in, std::span<const Field<Entry>> fields, std::string_view kindName, Entry& entry)
{
    int previous = -1;
    for (;;) {
        const std::size_t codeAt = in.offset();
        const std::uint8_t code = in.u8("a property code or the closing ff");
        if (code == kEntryEnd)
            return;
        const auto field = std::find_if(fields.begin(), fields.end(), [code](const auto& f) { return f.code == code; });
        if (field == fields.end() || code <= previous) {
            std::string expected;
            for (const auto& f : fields) {
                if (f.code > previous)
                    expected += (expected.empty() ? "" : ", ") + hexByte(f.code);
            }
            throw RecordError(
                codeAt,
                "expected the closing ff" +
                    (expected.empty() ? "" : " or a " + std::string(kindName) + " property code (" + expected + ")") +
                    ", found " + hexByte(code));
        }
        previous = code;
        const std::string_view what = "a property's value";
        if (field->width == 0) {
            std::string text = in.text(what);
            if (field->text)
                entry.*field->text = std::move(text);
        } else if (!field->numbers[0]) {
            in.number(field->width, what);
        } else {
            for (int Entry::*member : field->numbers) {
                if (member)
                    entry.*member = in.number(field->width, what);
            }
        }
    }
}

} // namespace

RecordError::RecordError(std::size_t offset, const std::string& problem)
    : std::runtime_error("stored record, offset " + std::to_string(offset) + ": " + problem), m_offset(offset)
{
}

FormDescription decodeFormRecord(std::span<const std::uint8_t> bytes)
{
    Reader in(bytes);
    FormDescription form;

    if (!std::ranges::equal(in.skip(kSignature.size(), "the signature ff cc 31 00"), kSignature))
        throw RecordError(0, "expected the signature ff cc 31 00");
    in.skip(1 + 16 * kIdentifiers.size(), "the open byte and the three identifiers");
    for (std::size_t i = 0; i < kZeroFillerSize; ++i) {
        if (const std::uint8_t value = in.u8("zero filler"); value != 0)
            throw RecordError(in.offset() - 1, "expected zero filler up to offset 88, found " + hexByte(value));
    }
    const auto length = static_cast<std::uint32_t>(in.number(4, "the record's length"));
    if (length != bytes.size() - kRecordLengthOffset) {
        throw RecordError(kRecordLengthOffset, "the length field says " + std::to_string(length) +
                                                   " bytes from here to the end, but there are " +
                                                   std::to_string(bytes.size() - kRecordLengthOffset));
    }
    const auto distance = static_cast<std::uint32_t>(in.number(4, "the distance to the first control"));

    if (const std::uint8_t kind = readEntryHead(in, 0, form.name); kind != static_cast<std::uint8_t>(ControlKind::Form))
        throw RecordError(in.offset() - 1, "expected the form kind 0x0d for the window, found " + hexByte(kind));
    readFields<FormDescription>(in, kFormFields<FormDescription>, "form", form);

    std::size_t tagAt = in.offset();
    if (distance != tagAt - kFirstTagDistanceOffset) {
        throw RecordError(kFirstTagDistanceOffset, "the distance field points at offset " +
                                                       std::to_string(kFirstTagDistanceOffset + distance) +
                                                       ", but the first tag stands at offset " + std::to_string(tagAt));
    }
    std::uint8_t tag = in.u8("the tag after the window's entry");
    if (tag != kTagFirstControl && tag != kTagNoMoreControls)
        throw RecordError(tagAt, "expected tag 01 (first control) or 02 (no controls), found " + hexByte(tag));

    // Control numbers are one byte, so this loop ends after 255 controls at most.
    while (tag != kTagNoMoreControls) {
        const std::size_t number = form.controls.size() + 1;
        const std::size_t lengthAt = in.offset();
        const auto entryLength = static_cast<std::uint32_t>(in.number(4, "the control's length"));
        ControlDescription control;
        const std::uint8_t kindByte = readEntryHead(in, number, control.name);
        const std::optional<Kind<ControlDescription>> kind = controlKind<ControlDescription>(kindByte);
        if (!kind)
            throw RecordError(in.offset() - 1, "expected a control's kind, found " + hexByte(kindByte));
        control.kind = kind->kind;
        readFields(in, kind->fields, kind->name, control);
        const std::size_t closeAt = in.offset() - 1;
        if (entryLength != closeAt - tagAt) {
            throw RecordError(lengthAt, "the length field of control " + std::to_string(number) + " says " +
                                            std::to_string(entryLength) + ", but its tag and closing ff are " +
                                            std::to_string(closeAt - tagAt) + " bytes apart");
        }
        form.controls.push_back(std::move(control));

        tagAt = in.offset();
        tag = in.u8("the tag after a control");
        if (tag != kTagNextControl && tag != kTagNoMoreControls)
            throw RecordError(tagAt, "expected tag 03 (another control) or 02 (no more), found " + hexByte(tag));
    }

    if (const std::uint8_t end = in.u8("the closing 04"); end != kRecordEnd)
        throw RecordError(in.offset() - 1, "expected the closing 04, found " + hexByte(end));
    if (in.left() != 0) {
        throw RecordError(in.offset(), "expected the record to end after the closing 04, but " +
                                           std::to_string(in.left()) + " bytes follow");
    }
    return form;
}

std::vector<std::uint8_t> encodeFormRecord(const FormDescription& form)
{
    Sink counter;
    writeRecord(counter, form);
    std::vector<std::uint8_t> bytes(counter.size);
    Sink sink{bytes.data()};
    writeRecord(sink, form);
    return bytes;
}

FormDescription form1Description()
{
    FormDescription form = decodeFormRecord(kForm1Record);
    for (std::size_t i = 0; i < form.controls.size(); ++i)
        form.controls[i].buddy = kForm1.controls[i].buddy;
    return form;
}

} // namespace window
