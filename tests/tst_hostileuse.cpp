// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/drawingsurface.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include <functional>

// The window used carelessly or on purpose badly: huge pastes, text in other scripts, a
// hundred thousand presses, a window squeezed to nothing, a pen as wide as it goes and
// points at the ends of the coordinate range. Nothing may crash or hang, no point already
// drawn may be lost, and every refusal must be explained in a short message.

namespace {

// How text reaches a box.
enum class Entry {
    Typed,    // key by key
    Composed, // committed at once, as an input method does for text keys cannot carry
    Pasted,   // from the clipboard with Ctrl+V
};

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;        // colour 12
constexpr QRgb kDarkRed = 0xFF800000;    // colour 4
constexpr QRgb kBlue = 0xFF000080;       // colour 1
constexpr QRgb kLightCyan = 0xFF00FFFF;  // colour 11
constexpr QRgb kLightGreen = 0xFF00FF00; // colour 10

// The point every test draws first, at X 15, Y 15, which must survive what follows.
const QPoint kEarlierPoint(1, 1);
// Where X 1200, Y 600 lands, and X 2400, Y 600.
const QPoint kExamplePoint(80, 40);
const QPoint kRecoveryPoint(160, 40);

// A box keeps the first 32767 characters of it, as a line edit of the toolkit does.
QString megabyteOf(const QString& piece)
{
    return piece.repeated(1024 * 1024 / piece.toUtf8().size());
}

} // namespace

Q_DECLARE_METATYPE(Entry)

class HostileUseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void oddTextIsReadAsItsLeadingNumber_data();
    void oddTextIsReadAsItsLeadingNumber();
    void refusedTextIsExplainedAndTheProgramGoesOn_data();
    void refusedTextIsExplainedAndTheProgramGoesOn();
    void hundredThousandPressesEachAddTheirPoint();
    void drawingGoesOnWhileTheWindowIsSqueezed_data();
    void drawingGoesOnWhileTheWindowIsSqueezed();
    void widestPenAtTheEdgesAndFarAway_data();
    void widestPenAtTheEdgesAndFarAway();

private:
    QImage area() const { return m_window.drawingArea(); }
    // Replaces the text of the box named control (the list's edit field for Combo1); false
    // if clicking it did not give it the focus.
    bool enter(const char* control, const QString& text, Entry entry);
    // The first pixel of the area whose colour is not the wanted one, in words; empty if none.
    QString differenceFrom(const std::function<QRgb(QPoint)>& wanted) const;

    WindowFixture m_window;
};

void HostileUseTest::init()
{
    QVERIFY(m_window.open());
    m_window.type("txtx", "15");
    m_window.type("txty", "15");
    m_window.pressDraw();
    QCOMPARE(area().pixel(kEarlierPoint), kBlack);
}

void HostileUseTest::cleanup()
{
    m_window.close();
}

bool HostileUseTest::enter(const char* control, const QString& text, Entry entry)
{
    m_window.click(control);
    QWidget* edit = QApplication::focusWidget();
    if (!edit || !m_window.find<QWidget>(control)->isAncestorOf(edit))
        return false;
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    switch (entry) {
    case Entry::Typed:
        QTest::keyClicks(edit, text);
        break;
    case Entry::Composed: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(edit, &commit);
        break;
    }
    case Entry::Pasted:
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        break;
    }
    return true;
}

QString HostileUseTest::differenceFrom(const std::function<QRgb(QPoint)>& wanted) const
{
    const QImage image = area();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb seen = image.pixel(x, y);
            if (seen != wanted(QPoint(x, y)))
                return QString("pixel (%1, %2) is #%3, expected #%4")
                    .arg(x)
                    .arg(y)
                    .arg(seen & 0xFFFFFF, 6, 16, QChar('0'))
                    .arg(wanted(QPoint(x, y)) & 0xFFFFFF, 6, 16, QChar('0'));
        }
    }
    return {};
}

void HostileUseTest::oddTextIsReadAsItsLeadingNumber_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QPoint>("pixel"); // where the point lands
    QTest::addColumn<QRgb>("colour");  // and its colour

    // The other boxes hold X 1200, Y 600 and colour 12, bright red.
    QTest::newRow("a megabyte of letters in X reads as 0")
        << "txtx" << megabyteOf("abcdefgh") << Entry::Pasted << QPoint(0, 40) << kRed;
    QTest::newRow("1200 then a megabyte of emoji in X")
        << "txtx"
        << "1200" + megabyteOf("\U0001F600") << Entry::Pasted << kExamplePoint << kRed;
    QTest::newRow("a megabyte of digits in the list takes 11")
        << "Combo1" << megabyteOf("1") << Entry::Pasted << kExamplePoint << kLightCyan;
    QTest::newRow("a megabyte of emoji in the list reads as 0")
        << "Combo1" << megabyteOf("\U0001F600") << Entry::Pasted << kExamplePoint << kBlack;

    QTest::newRow("Arabic-Indic digits in X read as 0")
        << "txtx"
        << "\u0661\u0662\u0660\u0660" << Entry::Composed << QPoint(0, 40) << kRed;
    QTest::newRow("Cyrillic words in Y read as 0")
        << "txty"
        << "\u0448\u0435\u0441\u0442\u044C\u0441\u043E\u0442" << Entry::Composed << QPoint(80, 0) << kRed;
    QTest::newRow("full-width digits in X read as 0")
        << "txtx"
        << "\uFF11\uFF12\uFF10\uFF10" << Entry::Composed << QPoint(0, 40) << kRed;
    QTest::newRow("Chinese numerals in Y read as 0") << "txty"
                                                     << "\u516D\u767E" << Entry::Composed << QPoint(80, 0) << kRed;
    QTest::newRow("a no-break space before X reads as 0") << "txtx"
                                                          << "\u00A01200" << Entry::Composed << QPoint(0, 40) << kRed;
    QTest::newRow("a right-to-left mark before Y reads as 0")
        << "txty"
        << "\u200F600" << Entry::Composed << QPoint(80, 0) << kRed;
    QTest::newRow("an emoji after X is ignored") << "txtx"
                                                 << "1200\U0001F600" << Entry::Composed << kExamplePoint << kRed;
    QTest::newRow("Hebrew after Y is ignored")
        << "txty"
        << "600\u05E9\u05DC\u05D5\u05DD" << Entry::Composed << kExamplePoint << kRed;
    QTest::newRow("an Arabic-Indic digit in the list reads as 0")
        << "Combo1"
        << "\u0664" << Entry::Composed << kExamplePoint << kBlack;
    QTest::newRow("an emoji after 1 in the list takes 1") << "Combo1"
                                                          << "1\U0001F600" << Entry::Composed << kExamplePoint << kBlue;
    QTest::newRow("a point alone in the list reads as 0") << "Combo1"
                                                          << "." << Entry::Typed << kExamplePoint << kBlack;
    QTest::newRow("1e in the list reads as 1") << "Combo1"
                                               << "1e" << Entry::Typed << kExamplePoint << kBlue;
}

void HostileUseTest::oddTextIsReadAsItsLeadingNumber()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(Entry, entry);
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);

    QVERIFY(enter("Combo1", "12", Entry::Typed));
    m_window.type("txtx", "1200");
    m_window.type("txty", "600");
    QVERIFY(enter(qPrintable(control), text, entry));
    m_window.pressDraw();

    QCOMPARE(area().pixel(pixel), colour);
    QCOMPARE(area().pixel(kEarlierPoint), kBlack);
    QCOMPARE(m_window.inkedPixels().size(), 2);
    QVERIFY2(m_window.reports().isEmpty(), qPrintable(m_window.reports().join('\n')));
}

void HostileUseTest::refusedTextIsExplainedAndTheProgramGoesOn_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QList<QPoint>>("inked"); // after the press that follows

    const QString tooLargeForANumber = "...\" is too large: ";
    const QList<QPoint> onlyTheEarlier{kEarlierPoint};
    // A refused thickness keeps the width, so the press still draws.
    const QList<QPoint> drawnWithTheOldWidth{kEarlierPoint, kExamplePoint};

    QTest::newRow("a megabyte of digits in X")
        << "txtx" << megabyteOf("1") << Entry::Pasted << tooLargeForANumber << onlyTheEarlier;
    QTest::newRow("a megabyte of digits in Y")
        << "txty" << megabyteOf("9") << Entry::Pasted << tooLargeForANumber << onlyTheEarlier;
    QTest::newRow("a megabyte of digits as thickness")
        << "Text3" << megabyteOf("7") << Entry::Pasted << tooLargeForANumber << drawnWithTheOldWidth;
    QTest::newRow("an emoji as thickness")
        << "Text3"
        << "\U0001F600" << Entry::Composed
        << "The pen width \"\U0001F600\" is not a number: pen widths from 1 to 32767 are allowed."
        << drawnWithTheOldWidth;
    QTest::newRow("Arabic-Indic 3 as thickness")
        << "Text3"
        << "\u0663" << Entry::Composed
        << "The pen width \"\u0663\" is not a number: pen widths from 1 to 32767 are allowed." << drawnWithTheOldWidth;
    QTest::newRow("X of 3.5e38")
        << "txtx"
        << "3.5e38" << Entry::Typed
        << "X coor: The coordinate \"3.5e38\" is too large: coordinates from -3.4e38 to 3.4e38 "
           "are allowed."
        << onlyTheEarlier;
    QTest::newRow("Y of -3.5e38")
        << "txty"
        << "-3.5e38" << Entry::Typed
        << "Y coor: The coordinate \"-3.5e38\" is too small: coordinates from -3.4e38 to 3.4e38 "
           "are allowed."
        << onlyTheEarlier;
    QTest::newRow("colour 99 in the list")
        << "Combo1"
        << "99" << Entry::Typed << "The colour \"99\" is not one of the colour numbers 0 to 15." << onlyTheEarlier;
    QTest::newRow("colour -5 in the list")
        << "Combo1"
        << "-5" << Entry::Typed << "The colour \"-5\" is not one of the colour numbers 0 to 15." << onlyTheEarlier;
}

void HostileUseTest::refusedTextIsExplainedAndTheProgramGoesOn()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(Entry, entry);
    QFETCH(QString, refusal);
    QFETCH(QList<QPoint>, inked);

    m_window.type("txtx", "1200");
    m_window.type("txty", "600");
    QVERIFY(enter(qPrintable(control), text, entry));
    m_window.pressDraw();
    m_window.letTypingPause();

    QCOMPARE(m_window.reports().size(), 1);
    const QString report = m_window.reports().first();
    QVERIFY2(report.contains(refusal), qPrintable(report));
    // Short enough to read at a glance, however much was typed.
    QVERIFY2(report.size() < 160, qPrintable(report));
    QCOMPARE(m_window.inkedPixels(), inked);

    // Correct text everywhere draws again.
    QVERIFY(enter("Combo1", "4", Entry::Typed));
    m_window.type("Text3", "1");
    m_window.type("txtx", "2400");
    m_window.type("txty", "600");
    m_window.pressDraw();
    QCOMPARE(area().pixel(kRecoveryPoint), kDarkRed);
    QCOMPARE(area().pixel(kEarlierPoint), kBlack);
    QCOMPARE(m_window.reports().size(), 1);
}

// Each press draws at the next pixel of the lower part of the area, row by row, so that
// the last presses of the run must each have left their own point in their own colour.
void HostileUseTest::hundredThousandPressesEachAddTheirPoint()
{
    constexpr int kPresses = 100'000;
    constexpr int kTop = 10; // rows above stay clear but for the earlier point
    const QImage before = area();
    const int width = before.width();
    const int cells = width * (before.height() - kTop);
    // A colour for each pass over the lower part: blue, light green, light cyan, dark red.
    const char* passColour[] = {"1", "10", "11", "4"};
    QVERIFY(kPresses / cells < 4);

    // The positions are set through the boxes' own text, since typing 200,000 texts would
    // be most of the run. Each press is the button's click(): the same pressed, released and
    // clicked signals a mouse or key press ends in, so the program runs exactly as then; only
    // the toolkit's event delivery and repainting of the pushed-in button, 13 times the cost,
    // are left out.
    platform::TextBox& x = m_window.form().textBox("txtx");
    platform::TextBox& y = m_window.form().textBox("txty");
    auto* button = m_window.find<QAbstractButton>("cmdDraw");
    for (int press = 0; press < kPresses; ++press) {
        if (press % cells == 0) {
            QVERIFY(enter("Combo1", passColour[press / cells], Entry::Typed));
            button->setFocus(); // leaving the list takes its colour
        }
        const int cell = press % cells;
        x.setText(std::to_string(cell % width * 15));
        y.setText(std::to_string((kTop + cell / width) * 15));
        button->click();
        if (press % 1000 == 999)
            QCoreApplication::processEvents();
    }

    const QImage after = area();
    const int lastPass = kPresses % cells; // cells the last pass reached
    for (int cell = 0; cell < cells; ++cell) {
        const QPoint pixel(cell % width, kTop + cell / width);
        const QRgb wanted = cell < lastPass ? kDarkRed : kLightCyan;
        const int lastPress = kPresses - lastPass - (cell < lastPass ? 0 : cells) + cell;
        QVERIFY2(after.pixel(pixel) == wanted,
                 qPrintable(QString("pixel (%1, %2) of press %3").arg(pixel.x()).arg(pixel.y()).arg(lastPress)));
    }
    QCOMPARE(after.copy(0, 0, width, kTop), before.copy(0, 0, width, kTop));
    QVERIFY2(m_window.reports().isEmpty(), qPrintable(m_window.reports().join('\n')));
}

void HostileUseTest::drawingGoesOnWhileTheWindowIsSqueezed_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("to its smallest") << QSize(0, 0);
    QTest::newRow("one pixel wide") << QSize(1, 400);
    QTest::newRow("one pixel high") << QSize(400, 1);
    QTest::newRow("larger than the screen") << QSize(5000, 5000);
}

void HostileUseTest::drawingGoesOnWhileTheWindowIsSqueezed()
{
    QFETCH(QSize, size);
    QWidget* window = m_window.window();
    const QSize normal = window->size();

    m_window.type("txtx", "1200");
    m_window.type("txty", "600");
    m_window.pressDraw();
    m_window.type("txtx", "2400");
    auto* button = m_window.find<QAbstractButton>("cmdDraw");
    button->setFocus();

    window->resize(size);
    QTRY_COMPARE(window->size(), size.expandedTo(window->minimumSize()));
    QTest::keyClick(button, Qt::Key_Space);
    window->resize(normal);
    QTRY_COMPARE(window->size(), normal);

    const QString difference = differenceFrom([](QPoint pixel) {
        return pixel == kEarlierPoint || pixel == kExamplePoint || pixel == kRecoveryPoint ? kBlack : kWhite;
    });
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    // What the window shows is what the drawing surface holds.
    const QRect shown(m_window.surface()->mapTo(window, m_window.surface()->contentsRect().topLeft()), area().size());
    QCOMPARE(window->grab(shown).toImage().convertToFormat(QImage::Format_RGB32), area());
    QVERIFY(m_window.reports().isEmpty());
}

void HostileUseTest::widestPenAtTheEdgesAndFarAway_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QRect>("painted"); // pixels the pen covers, in the area of 285 by 109

    const QRect whole(0, 0, 285, 109);
    QTest::newRow("top-left corner") << "0"
                                     << "0" << whole;
    QTest::newRow("top-right corner") << "4260"
                                      << "0" << whole;
    QTest::newRow("bottom-left corner") << "0"
                                        << "1620" << whole;
    QTest::newRow("bottom-right corner") << "4260"
                                         << "1620" << whole;
    // The pen is 16383.5 pixels in radius: centred 16383 pixels outside, it just reaches in.
    QTest::newRow("reaching in from the left by one column") << "-245745"
                                                             << "600" << QRect(0, 0, 1, 109);
    QTest::newRow("reaching in from the right by one column") << "250005"
                                                              << "600" << QRect(284, 0, 1, 109);
    QTest::newRow("one pixel further left reaches nothing") << "-245760"
                                                            << "600" << QRect();
    QTest::newRow("a million twips up and left") << "-1000000"
                                                 << "-1000000" << QRect();
    QTest::newRow("X of 3.4e38") << "3.4e38"
                                 << "600" << QRect();
    QTest::newRow("X of -3.4e38") << "-3.4e38"
                                  << "600" << QRect();
    QTest::newRow("Y of 3.4e38") << "1200"
                                 << "3.4e38" << QRect();
    QTest::newRow("Y of -3.4e38") << "1200"
                                  << "-3.4e38" << QRect();
    QTest::newRow("both at the largest single") << "3.4028234e38"
                                                << "-3.4028234e38" << QRect();
}

void HostileUseTest::widestPenAtTheEdgesAndFarAway()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QRect, painted);

    QVERIFY(enter("Combo1", "10", Entry::Typed));
    m_window.type("Text3", "32767");
    m_window.type("txtx", x);
    m_window.type("txty", y);
    m_window.pressDraw();
    QVERIFY2(m_window.reports().isEmpty(), qPrintable(m_window.reports().join('\n')));

    QCOMPARE(area().size(), QSize(285, 109));
    const QString difference = differenceFrom([&](QPoint pixel) {
        return painted.contains(pixel) ? kLightGreen : pixel == kEarlierPoint ? kBlack : kWhite;
    });
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_MAIN(HostileUseTest)
#include "tst_hostileuse.moc"
