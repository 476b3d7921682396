// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/conversions.h"
#include "platform/formserror.h"
#include "platform/palette.h"

#include <QTest>

#include <cfloat>
#include <cmath>

using namespace platform;

class ConversionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numberFromText_data();
    void numberFromText();
    void numberFromTextTooLarge_data();
    void numberFromTextTooLarge();
    void roundToInt16_data();
    void roundToInt16();
    void roundToInt16OutOfRange_data();
    void roundToInt16OutOfRange();
    void textFromNumber_data();
    void textFromNumber();
    void leftChars_data();
    void leftChars();
    void paletteColor_data();
    void paletteColor();
    void narrowToSingle_data();
    void narrowToSingle();
};

void ConversionsTest::numberFromText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty text") << QByteArray("") << 0.0;
    QTest::newRow("no digits before a letter") << QByteArray("x3") << 0.0;
    QTest::newRow("a sign alone") << QByteArray("-") << 0.0;
    QTest::newRow("a point alone") << QByteArray(".") << 0.0;
    QTest::newRow("inf is not a number") << QByteArray("inf") << 0.0;
    QTest::newRow("nan is not a number") << QByteArray("nan") << 0.0;
    QTest::newRow("whole number") << QByteArray("1200") << 1200.0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0;
    // More zeros than the exponent is large, so that a miscounted position flips the outcome.
    QTest::newRow("leading zeros then a tiny number") << QByteArray(450, '0').append("1e-400") << 0.0;
    QTest::newRow("leading zeros then the largest double")
        << QByteArray(450, '0').append("1.7976931348623157e308") << 1.7976931348623157e308;
    QTest::newRow("digits then letters") << QByteArray("12abc") << 12.0;
    QTest::newRow("leading spaces and tabs") << QByteArray(" \t 42") << 42.0;
    QTest::newRow("a newline is not a leading space") << QByteArray("\n42") << 0.0;
    QTest::newRow("explicit plus") << QByteArray("+7") << 7.0;
    QTest::newRow("negative") << QByteArray("-5") << -5.0;
    QTest::newRow("fraction") << QByteArray("1200.5") << 1200.5;
    QTest::newRow("fraction without integer part") << QByteArray("-.25") << -0.25;
    QTest::newRow("trailing point") << QByteArray("3.") << 3.0;
    QTest::newRow("second point ends the number") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("comma is not a decimal point") << QByteArray("2,5") << 2.0;
    QTest::newRow("exponent") << QByteArray("1.5e2x") << 150.0;
    QTest::newRow("signed exponent") << QByteArray("25E-1") << 2.5;
    QTest::newRow("exponent without digits is left") << QByteArray("1e") << 1.0;
    QTest::newRow("exponent sign without digits is left") << QByteArray("1e+") << 1.0;
    QTest::newRow("hexadecimal is not read") << QByteArray("0x1p3") << 0.0;
    QTest::newRow("space after the sign ends it") << QByteArray("- 5") << 0.0;
    QTest::newRow("tiny number reads as zero") << QByteArray("1e-999") << 0.0;
    QTest::newRow("tiny with many zeros reads as zero") << QByteArray("0.000001e-400") << 0.0;
    QTest::newRow("huge exponent on zero") << QByteArray("0e99999999999999999999") << 0.0;
    QTest::newRow("largest double") << QByteArray("1.7976931348623157e308") << 1.7976931348623157e308;
    QTest::newRow("many digits") << QByteArray(400, '0').prepend("1.") << 1.0;
    QTest::newRow("first characters of a list entry") << QByteArray("7 ") << 7.0;
    QTest::newRow("two digits of a longer text") << QByteArray("14") << 14.0;
    QTest::newRow("other scripts read as zero") << QByteArray("\xd9\xa3") << 0.0;
}

void ConversionsTest::numberFromText()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(platform::numberFromText(text.toStdString()), expected);
}

void ConversionsTest::numberFromTextTooLarge_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("use"); // what the number is for
    QTest::addColumn<QString>("message");
    const QString numbers = ": numbers from -1.79e308 to 1.79e308 are allowed.";
    QTest::newRow("exponent past the largest double") << QByteArray("1e999") << ""
                                                      << "The number \"1e999\" is too large" + numbers;
    QTest::newRow("negative, so too small") << QByteArray("-2e308") << ""
                                            << "The number \"-2e308\" is too small" + numbers;
    QTest::newRow("leading zeros then too large") << QByteArray(450, '0').append("2e308") << ""
                                                  << "The number \"00000000000000...\" is too large" + numbers;
    QTest::newRow("many integer digits") << QByteArray(400, '9') << ""
                                         << "The number \"99999999999999...\" is too large" + numbers;
    QTest::newRow("overflowing exponent") << QByteArray("1e99999999999999999999") << ""
                                          << "The number \"1e999999999999...\" is too large" + numbers;
    QTest::newRow("a pen width") << QByteArray("1e400") << "pen width"
                                 << "The pen width \"1e400\" is too large: pen widths from 1 to 32767 are allowed.";
    QTest::newRow("a coordinate")
        << QByteArray("-1e309") << "coordinate"
        << "The coordinate \"-1e309\" is too small: coordinates from -3.4e38 to 3.4e38 are allowed.";
}

void ConversionsTest::numberFromTextTooLarge()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, use);
    QFETCH(QString, message);
    const NumberUse& numberUse = use == "pen width" ? kPenWidthUse : use == "coordinate" ? kCoordinateUse : kAnyNumber;
    try {
        platform::numberFromText(text.toStdString(), numberUse);
        QFAIL("a number too large for a double was read");
    } catch (const FormsError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), message);
    }
}

void ConversionsTest::roundToInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("half rounds to even below") << 2.5 << 2;
    QTest::newRow("half rounds to even above") << 3.5 << 4;
    QTest::newRow("negative half rounds to even") << -2.5 << -2;
    QTest::newRow("above a half rounds up") << 3.7 << 4;
    QTest::newRow("below a half rounds down") << 3.2 << 3;
    QTest::newRow("negative zero") << -0.0 << 0;
    QTest::newRow("smallest") << -32768.0 << -32768;
    QTest::newRow("largest") << 32767.0 << 32767;
    QTest::newRow("rounds down into range") << 32767.4 << 32767;
    QTest::newRow("rounds up into range") << -32768.5 << -32768;
}

void ConversionsTest::roundToInt16()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(int(platform::roundToInt16(value)), expected);
}

void ConversionsTest::roundToInt16OutOfRange_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("message");
    const QString allowed = ": whole numbers from -32768 to 32767 are allowed.";
    QTest::newRow("just above") << 32767.5 << "The number \"32767.5\" is too large" + allowed;
    QTest::newRow("just below") << -32769.0 << "The number \"-32769\" is too small" + allowed;
    QTest::newRow("a thickness of 100000") << 100000.0 << "The number \"100000\" is too large" + allowed;
    QTest::newRow("largest double") << 1.7976931348623157e308
                                    << "The number \"1.7976931348623157e308\" is too large" + allowed;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "The number \"inf\" is too large" + allowed;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN()
                                  << "The number \"nan\" is out of range" + allowed;
}

void ConversionsTest::roundToInt16OutOfRange()
{
    QFETCH(double, value);
    QFETCH(QString, message);
    try {
        platform::roundToInt16(value);
        QFAIL("an out-of-range number was rounded");
    } catch (const FormsError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), message);
    }
}

void ConversionsTest::textFromNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 100000.0 << "100000";
    QTest::newRow("fraction") << 0.5 << "0.5";
    QTest::newRow("negative") << -3.0 << "-3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("largest written out") << 9999999999999998.0 << "9999999999999998";
    QTest::newRow("smallest written out") << 0.000001 << "0.000001";
    QTest::newRow("very large") << 1e16 << "1e16";
    QTest::newRow("very small") << -1.5e-7 << "-1.5e-7";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << "1.7976931348623157e308";
    QTest::newRow("smallest double") << std::numeric_limits<double>::denorm_min() << "5e-324";
}

void ConversionsTest::textFromNumber()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(platform::textFromNumber(value)), text);
}

void ConversionsTest::leftChars_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("longer text") << QByteArray("14 Light Yellow") << 2 << QByteArray("14");
    QTest::newRow("shorter text is taken whole") << QByteArray("7") << 2 << QByteArray("7");
    QTest::newRow("empty text") << QByteArray("") << 2 << QByteArray("");
    QTest::newRow("count zero") << QByteArray("abc") << 0 << QByteArray("");
    QTest::newRow("negative count") << QByteArray("abc") << -1 << QByteArray("");
    QTest::newRow("counts characters, not bytes")
        << QByteArray("\xc3\xa9\xc3\xa9x") << 2 << QByteArray("\xc3\xa9\xc3\xa9");
    QTest::newRow("an emoji is one character") << QByteArray("\xf0\x9f\x98\x80"
                                                             "5x")
                                               << 2
                                               << QByteArray("\xf0\x9f\x98\x80"
                                                             "5");
}

void ConversionsTest::leftChars()
{
    QFETCH(QByteArray, text);
    QFETCH(int, count);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(platform::leftChars(text.toStdString(), count)), expected);
}

void ConversionsTest::paletteColor_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<uint>("colour"); // 0xFFFFFFFF where the number names no entry

    const uint expected[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                             0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int number = 0; number < 16; ++number)
        QTest::addRow("entry %d", number) << number << expected[number];
    QTest::newRow("just past the list") << 16 << 0xFFFFFFFFu;
    QTest::newRow("negative") << -1 << 0xFFFFFFFFu;
    QTest::newRow("typed 99") << 99 << 0xFFFFFFFFu;
    QTest::newRow("smallest 16-bit number") << -32768 << 0xFFFFFFFFu;
}

void ConversionsTest::paletteColor()
{
    QFETCH(int, number);
    QFETCH(uint, colour);
    if (colour != 0xFFFFFFFFu) {
        QCOMPARE(platform::paletteColor(std::int16_t(number)), colour);
        return;
    }
    try {
        platform::paletteColor(std::int16_t(number));
        QFAIL("a number outside the palette gave a colour");
    } catch (const FormsError& error) {
        const QByteArray message(error.what());
        QVERIFY2(message.contains(QByteArray::number(number)) && message.contains("0 to 15"), error.what());
    }
}

void ConversionsTest::narrowToSingle_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    const double largest = FLT_MAX;
    QTest::newRow("a fraction") << 1200.25 << true;
    QTest::newRow("rounded to the nearest single") << 1200.1 << true;
    QTest::newRow("largest single") << largest << true;
    QTest::newRow("smallest single") << -largest << true;
    QTest::newRow("next double above the largest single") << std::nextafter(largest, HUGE_VAL) << false;
    QTest::newRow("next double below the smallest single") << std::nextafter(-largest, -HUGE_VAL) << false;
    QTest::newRow("1e39") << 1e39 << false;
}

void ConversionsTest::narrowToSingle()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    if (fits)
        QCOMPARE(platform::narrowToSingle(value), static_cast<float>(value));
    else
        QVERIFY_THROWS_EXCEPTION(FormsError, platform::narrowToSingle(value));
}

QTEST_APPLESS_MAIN(ConversionsTest)
#include "tst_conversions.moc"
