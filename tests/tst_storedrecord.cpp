// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "window/storedrecord.h"

#include <QTest>

#include <climits>

using platform::ControlKind;
using platform::FormDescription;

Q_DECLARE_METATYPE(platform::FormDescription)

namespace {

// Where the entries of the stored record start, as recordBytes() lays them end to end.
constexpr qsizetype kWindowEntry = 97;
constexpr qsizetype kCmdDraw = 159;
constexpr qsizetype kText3 = 197;
constexpr qsizetype kTxty = 225;
constexpr qsizetype kLabel1 = 425;
constexpr qsizetype kEndMarks = 464;

QByteArray form1Record()
{
    return QByteArray(reinterpret_cast<const char*>(window::kForm1Record.data()),
                      static_cast<qsizetype>(window::kForm1Record.size()));
}

std::vector<std::uint8_t> toVector(const QByteArray& bytes)
{
    return {bytes.begin(), bytes.end()};
}

quint32 read32(const QByteArray& bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<quint8>(bytes.at(at + i));
    }
    return value;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i) {
        bytes.append(static_cast<char>(value >> (8 * i)));
    }
    return bytes;
}

// Copies of the stored record with one thing changed.
QByteArray with(qsizetype at, quint8 value)
{
    QByteArray bytes = form1Record();
    bytes[at] = static_cast<char>(value);
    return bytes;
}

QByteArray with16(qsizetype at, quint16 value)
{
    return form1Record().replace(at, 2, le32(value).left(2));
}

QByteArray with32(qsizetype at, quint32 value)
{
    return form1Record().replace(at, 4, le32(value));
}

// Makes the header's length field agree with the record's size again.
QByteArray withFixedLength(QByteArray bytes)
{
    return bytes.replace(89, 4, le32(static_cast<quint32>(bytes.size() - 89)));
}

// Hex digits with text in between: hex("01 0500") + "Hello" + ...
QByteArray hex(const char* digits)
{
    return QByteArray::fromHex(digits);
}

// A record of the given window entry (with its closing ff) and control entries (without
// their tag, length and closing ff), under the program's header.
QByteArray recordOf(const QByteArray& window, const QList<QByteArray>& controls)
{
    QByteArray bytes = form1Record().left(89) + le32(0) + le32(quint32(4 + window.size())) + window;
    for (const QByteArray& control : controls) {
        bytes += (&control == &controls.first() ? hex("01") : hex("03")) + le32(quint32(5 + control.size()));
        bytes += control + hex("ff");
    }
    return withFixedLength(bytes + hex("02 04"));
}

FormDescription form1Decoded()
{
    return window::decodeFormRecord(window::kForm1Record);
}

FormDescription form1WithControls(int count)
{
    FormDescription form = form1Decoded();
    form.controls.resize(static_cast<std::size_t>(count));
    return form;
}

QByteArray encoded(const FormDescription& form)
{
    const std::vector<std::uint8_t> bytes = window::encodeFormRecord(form);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

} // namespace

class TestStoredRecord : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordBytes_data();
    void recordBytes();
    void controlLengths_data();
    void controlLengths();
    void controlsEndTheRecord();
    void decodesToLayoutTable();
    void encodesDecodedRecordUnchanged();
    void roundTrips_data();
    void roundTrips();
    void rejectsCorruption_data();
    void rejectsCorruption();
    void encoderRejects_data();
    void encoderRejects();
};

void TestStoredRecord::recordBytes_data()
{
    QTest::addColumn<qsizetype>("offset");
    QTest::addColumn<QByteArray>("expected");

    // The whole record as its description lays it out: the header's fields, then each entry
    // up to its closing ff, a control's from its tag byte, then the end marks.
    const std::pair<const char*, QByteArray> pieces[] = {
        {"signature", hex("ffcc3100")},
        {"open byte", hex("09")},
        {"window identifier", hex("79a6028c 8ea6 354d 9cb9 d0c85953b759")},
        {"second identifier", hex("8960a139 6cd5 104b 9fc7 00ad454aab43")},
        {"form kind identifier", hex("3a4fad33 9966 cf11 b70c 00aa0060d393")},
        {"zero filler", QByteArray(36, '\0')},
        {"length 377 to the end", le32(377)},
        {"distance 66 to the first tag", le32(66)},
        {"window", hex("00 0500") + "Form1" + hex("00 0d 01 0900") + "Draw dots" +
                       hex("00 19 01004200 23 ffffffff 24 0500") + "Form1" +
                       hex("00 35 3c000000 59010000 48120000 5c0d0000 46 03 ff")},
        {"command button cmdDraw", hex("01 25000000 01 0700") + "cmdDraw" + hex("00 04 01 0400") + "Draw" +
                                       hex("00 04 b004 300c f708 ff00 11 0500 ff")},
        {"text box Text3", hex("03 1b000000 02 0500") + "Text3" + hex("00 02 04 200d 4803 4704 1d01 12 0400 ff")},
        {"text box txty", hex("03 1a000000 03 0400") + "txty" + hex("00 02 04 c003 4803 bf04 1d01 12 0300 ff")},
        {"text box txtx", hex("03 1a000000 04 0400") + "txtx" + hex("00 02 04 c003 f000 bf04 1d01 12 0200 ff")},
        {"combo box Combo1", hex("03 1c000000 05 0600") + "Combo1" + hex("00 07 05 6009 f000 0708 3b01 13 0100 ff")},
        {"picture box Picture1",
         hex("03 23000000 06 0800") + "Picture1" + hex("00 00 05 7800 2805 ef10 9f06 12 0000 1a 01006200 ff")},
        {"label Label3", hex("03 29000000 07 0600") + "Label3" + hex("00 01 01 0900") + "Thickness" +
                             hex("00 05 d809 4803 bf04 ff00 12 0800 ff")},
        {"label Label2", hex("03 26000000 08 0600") + "Label2" + hex("00 01 01 0600") + "Y coor" +
                             hex("00 05 f000 4803 bf04 7701 12 0700 ff")},
        {"label Label1", hex("03 26000000 09 0600") + "Label1" + hex("00 01 01 0600") + "X coor" +
                             hex("00 05 f000 f000 bf04 7701 12 0600 ff")},
        {"end marks", hex("02 04")},
    };
    QByteArray whole;
    for (const auto& [name, bytes] : pieces) {
        QTest::newRow(name) << whole.size() << bytes;
        whole += bytes;
    }
    QTest::newRow("the whole record, 466 bytes") << qsizetype(0) << whole;
}

void TestStoredRecord::recordBytes()
{
    QFETCH(qsizetype, offset);
    QFETCH(QByteArray, expected);
    QCOMPARE(form1Record().mid(offset, expected.size()).toHex(' '), expected.toHex(' '));
}

void TestStoredRecord::controlLengths_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<quint32>("length");

    const std::pair<const char*, quint32> lengths[] = {
        {"cmdDraw", 37},  {"Text3", 27},  {"txty", 26},   {"txtx", 26},   {"Combo1", 28},
        {"Picture1", 35}, {"Label3", 41}, {"Label2", 38}, {"Label1", 38},
    };
    int index = 0;
    for (const auto& [name, length] : lengths) {
        QTest::newRow(name) << index++ << QByteArray(name) << length;
    }
}

// Walks from the first tag along the length fields to the control asked for.
void TestStoredRecord::controlLengths()
{
    QFETCH(int, index);
    QFETCH(QByteArray, name);
    QFETCH(quint32, length);

    const QByteArray record = form1Record();
    qsizetype tag = 93 + read32(record, 93);
    for (int i = 0; i < index; ++i) {
        QCOMPARE(int(static_cast<quint8>(record.at(tag))), i == 0 ? 0x01 : 0x03);
        tag += read32(record, tag + 1);
        QCOMPARE(int(static_cast<quint8>(record.at(tag))), 0xff);
        ++tag;
    }
    QCOMPARE(int(static_cast<quint8>(record.at(tag + 5))), index + 1);
    QCOMPARE(record.mid(tag + 8, name.size()), name);
    QCOMPARE(read32(record, tag + 1), length);
    QCOMPARE(int(static_cast<quint8>(record.at(tag + length))), 0xff);
}

void TestStoredRecord::controlsEndTheRecord()
{
    const QByteArray record = form1Record();
    QCOMPARE(record.size(), 466);
    QCOMPARE(read32(record, 89), quint32(record.size() - 89));

    qsizetype tag = 93 + read32(record, 93);
    int controls = 0;
    while (static_cast<quint8>(record.at(tag)) != 0x02) {
        QVERIFY(tag + 5 < record.size());
        tag += read32(record, tag + 1) + 1;
        ++controls;
    }
    QCOMPARE(controls, 9);
    QCOMPARE(tag, kEndMarks);
    QCOMPARE(record.mid(tag), hex("02 04"));
}

void TestStoredRecord::decodesToLayoutTable()
{
    const FormDescription form = window::form1Description();
    QCOMPARE(QString::fromStdString(form.name), QString::fromUtf8(window::kForm1.name));
    QCOMPARE(QString::fromStdString(form.caption), QString::fromUtf8(window::kForm1.caption));
    QCOMPARE(form.clientLeft, window::kForm1.clientLeft);
    QCOMPARE(form.clientTop, window::kForm1.clientTop);
    QCOMPARE(form.clientWidth, window::kForm1.clientWidth);
    QCOMPARE(form.clientHeight, window::kForm1.clientHeight);
    QCOMPARE(form.startUpPosition, window::kForm1.startUpPosition);

    QCOMPARE(form.controls.size(), window::kForm1.controls.size());
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const platform::ControlDescription& got = form.controls[i];
        const window::ControlLayout& want = window::kForm1.controls[i];
        const QByteArray context = QByteArray("control ") + QByteArray::number(qulonglong(i + 1));
        QVERIFY2(QString::fromStdString(got.name) == QString::fromUtf8(want.name), context);
        QVERIFY2(got.kind == want.kind, context);
        QVERIFY2(QString::fromStdString(got.caption) == QString::fromUtf8(want.caption), context);
        QVERIFY2(got.left == want.left && got.top == want.top, context);
        QVERIFY2(got.width == want.width && got.height == want.height, context);
        QVERIFY2(got.tabIndex == want.tabIndex, context);
        QVERIFY2(QString::fromStdString(got.buddy) == QString::fromUtf8(want.buddy), context);
    }
}

void TestStoredRecord::encodesDecodedRecordUnchanged()
{
    QCOMPARE(encoded(form1Decoded()).toHex(' '), form1Record().toHex(' '));
}

void TestStoredRecord::roundTrips_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<FormDescription>("expected");

    const FormDescription none = form1WithControls(0);
    QTest::newRow("window without controls") << encoded(none) << none;

    FormDescription bare{"w", "", 0, 0, 0, 0, 3, {{"b", ControlKind::CommandButton}}};
    QTest::newRow("entries holding no properties")
        << recordOf(hex("00 0100") + "w" + hex("00 0d ff"), {hex("01 0100") + "b" + hex("00 04")}) << bare;

    FormDescription uncaptioned{"w", "", 0, 0, 0, 0, 3, {{"L", ControlKind::Label, "", 16, 32, 48, 64, 7}}};
    QTest::newRow("label without its caption property")
        << recordOf(hex("00 0100") + "w" + hex("00 0d ff"),
                    {hex("01 0100") + "L" + hex("00 01 05 1000 2000 3000 4000 12 0700")})
        << uncaptioned;

    FormDescription extremes = form1WithControls(1);
    extremes.clientLeft = INT_MIN;
    extremes.clientHeight = INT_MAX;
    extremes.startUpPosition = 255;
    extremes.controls[0] = {"b", ControlKind::CommandButton, "", -32768, 32767, -1, 0, -5};
    QTest::newRow("numbers at the ends of their ranges") << encoded(extremes) << extremes;

    FormDescription longText = form1WithControls(1);
    std::string caption;
    for (int i = 0; i < 70000; ++i) {
        caption.push_back(static_cast<char>(i % 256));
    }
    longText.caption = caption.substr(0, 65535);
    longText.controls[0].caption = caption.substr(0, 300);
    QTest::newRow("longest caption, all byte values") << encoded(longText) << longText;

    FormDescription many = form1Decoded();
    many.controls.resize(255, many.controls[5]);
    QTest::newRow("255 controls") << encoded(many) << many;
}

// Whatever the reader accepts, it reads back the same after writing it again.
void TestStoredRecord::roundTrips()
{
    QFETCH(QByteArray, record);
    QFETCH(FormDescription, expected);
    const FormDescription decoded = window::decodeFormRecord(toVector(record));
    QVERIFY(decoded == expected);
    QVERIFY(window::decodeFormRecord(window::encodeFormRecord(decoded)) == decoded);
}

void TestStoredRecord::rejectsCorruption_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<qsizetype>("offset");

    QByteArray codesSwapped = with(120, 0x23);
    codesSwapped[125] = 0x19;
    QByteArray shorter = form1Record();
    shorter.chop(1);
    QByteArray ffDropped = form1Record();
    ffDropped.remove(kCmdDraw + 37, 1);

    QTest::newRow("empty input") << QByteArray() << qsizetype(0);
    QTest::newRow("wrong signature") << with(1, 0x00) << qsizetype(0);
    QTest::newRow("record cut inside the header") << form1Record().left(60) << qsizetype(60);
    QTest::newRow("non-zero byte in the zero filler") << with(70, 0x01) << qsizetype(70);
    QTest::newRow("record shorter than its length field says") << shorter << qsizetype(89);
    QTest::newRow("record longer than its length field says") << form1Record() + '\0' << qsizetype(89);
    QTest::newRow("distance field one past the first tag") << with32(93, 67) << qsizetype(93);
    QTest::newRow("distance field one short of the first tag") << with32(93, 65) << qsizetype(93);
    QTest::newRow("window not numbered 0") << with(kWindowEntry, 1) << qsizetype(97);
    QTest::newRow("window of a control kind") << with(106, 0x04) << qsizetype(106);
    QTest::newRow("window name runs past the end") << with16(98, 0xffff) << qsizetype(98);
    QTest::newRow("window name without its zero byte") << with(105, 'x') << qsizetype(105);
    QTest::newRow("window caption runs past the end") << with16(108, 1000) << qsizetype(108);
    QTest::newRow("property code unknown for a form") << with(120, 0x20) << qsizetype(120);
    QTest::newRow("form properties out of ascending order") << codesSwapped << qsizetype(125);
    QTest::newRow("form property repeated") << with(125, 0x19) << qsizetype(125);
    QTest::newRow("window entry without its closing ff") << with(158, 0x00) << qsizetype(158);
    QTest::newRow("tag 03 before the first control") << with(kCmdDraw, 0x03) << qsizetype(kCmdDraw);
    QTest::newRow("unknown kind byte") << with(kCmdDraw + 16, 0x03) << kCmdDraw + 16;
    QTest::newRow("form kind on a control") << with(kCmdDraw + 16, 0x0d) << kCmdDraw + 16;
    QTest::newRow("text box holding a caption code") << with(kText3 + 15, 0x01) << kText3 + 15;
    QTest::newRow("label tab index code on a button") << with(kCmdDraw + 34, 0x12) << kCmdDraw + 34;
    QTest::newRow("control name runs past the end") << with16(kCmdDraw + 6, 0xffff) << kCmdDraw + 6;
    QTest::newRow("control caption runs past the end") << with16(kLabel1 + 17, 0x100) << kLabel1 + 17;
    QTest::newRow("control caption without its zero byte") << with(kCmdDraw + 24, '!') << kCmdDraw + 24;
    QTest::newRow("record cut before a caption's zero byte")
        << withFixedLength(form1Record().left(kLabel1 + 25)) << kLabel1 + 17;
    QTest::newRow("control number skipped") << with(kText3 + 5, 3) << kText3 + 5;
    QTest::newRow("control number repeated") << with(kText3 + 5, 1) << kText3 + 5;
    QTest::newRow("control length one too long") << with32(kCmdDraw + 1, 38) << kCmdDraw + 1;
    QTest::newRow("control length one too short") << with32(kCmdDraw + 1, 36) << kCmdDraw + 1;
    QTest::newRow("last control length zero") << with32(kLabel1 + 1, 0) << kLabel1 + 1;
    QTest::newRow("control closing ff replaced") << with(kCmdDraw + 37, 0x00) << kCmdDraw + 37;
    QTest::newRow("control closing ff dropped") << withFixedLength(ffDropped) << kCmdDraw + 37;
    QTest::newRow("tag 01 between controls") << with(kText3, 0x01) << kText3;
    QTest::newRow("unknown tag between controls") << with(kTxty, 0x7f) << kTxty;
    QTest::newRow("tag 04 after the last control") << with(kEndMarks, 0x04) << kEndMarks;
    QTest::newRow("closing 04 replaced") << with(kEndMarks + 1, 0x00) << kEndMarks + 1;
    QTest::newRow("record ends before the closing 04") << withFixedLength(shorter) << kEndMarks + 1;
    QTest::newRow("bytes after the closing 04") << withFixedLength(form1Record() + '\0') << qsizetype(466);
}

void TestStoredRecord::rejectsCorruption()
{
    QFETCH(QByteArray, record);
    QFETCH(qsizetype, offset);

    const std::vector<std::uint8_t> bytes = toVector(record);
    try {
        window::decodeFormRecord(bytes);
        QFAIL("the corrupted record was accepted");
    } catch (const window::RecordError& error) {
        const QString message = QString::fromUtf8(error.what());
        QCOMPARE(error.offset(), static_cast<std::size_t>(offset));
        QVERIFY2(message.contains(QStringLiteral("offset %1: ").arg(offset)), error.what());
    }
}

void TestStoredRecord::encoderRejects_data()
{
    QTest::addColumn<FormDescription>("form");

    FormDescription captionedTextBox = form1Decoded();
    captionedTextBox.controls[1].caption = "text";
    QTest::newRow("caption on a text box") << captionedTextBox;

    FormDescription wide = form1Decoded();
    wide.controls[0].width = 32768;
    QTest::newRow("width beyond 16 bits") << wide;

    FormDescription longName = form1Decoded();
    longName.controls[0].name.assign(65536, 'n');
    QTest::newRow("name of 65536 characters") << longName;

    FormDescription formKind = form1Decoded();
    formKind.controls[0].kind = ControlKind::Form;
    QTest::newRow("control of the form kind") << formKind;

    FormDescription tooMany = form1Decoded();
    tooMany.controls.resize(256, tooMany.controls[1]);
    QTest::newRow("256 controls") << tooMany;

    FormDescription startUp = form1Decoded();
    startUp.startUpPosition = 256;
    QTest::newRow("start-up position beyond a byte") << startUp;
}

void TestStoredRecord::encoderRejects()
{
    QFETCH(FormDescription, form);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, window::encodeFormRecord(form));
}

QTEST_APPLESS_MAIN(TestStoredRecord)

#include "tst_storedrecord.moc"
