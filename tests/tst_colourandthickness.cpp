// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/drawingsurface.h"
#include "platform/notes/errorreport.h"
#include "plotting/colourlist.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

// Choosing the colour in the list and the pen width in the thickness box, as a person does.
class ColourAndThicknessTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_window.open()); }
    void cleanup() { m_window.close(); }

    void listOffersTheSixteenColours();
    void enterInTheListAddsNothing();
    void typicalUseStepByStep();
    void colourPickedWithTheMouseColoursTheNextPoint();
    void choiceWithoutLeavingTheListChangesNothing();
    void leavingTheListTakesTheFirstTwoCharacters_data();
    void leavingTheListTakesTheFirstTwoCharacters();
    void whenLeavingTheListCounts_data();
    void whenLeavingTheListCounts();
    void wheelTurnsTheListOnlyWhileItHasTheFocus_data();
    void wheelTurnsTheListOnlyWhileItHasTheFocus();

    void thicknessFollowsEveryKeystroke();
    void thicknessIsRoundedToAWholeWidth_data();
    void thicknessIsRoundedToAWholeWidth();
    void everyKindOfEditChangesTheThickness();
    void settingTheSameTextChangesNothing();
    void refusedThicknessKeepsTheWidth_data();
    void refusedThicknessKeepsTheWidth();
    void earlierPointsKeepTheirSize();

private:
    QComboBox* list() const { return m_window.find<QComboBox>("Combo1"); }
    QLineEdit* thickness() const { return m_window.find<QLineEdit>("Text3"); }
    std::int16_t penWidth() const { return m_window.form().pictureBox("Picture1").DrawWidth(); }
    // Opens the list and clicks an entry in it, with real mouse events through the popup's window.
    void pickFromOpenList(int row);
    // The colour drawn at the point's pixel after X 1200, Y 600 and a click on Draw.
    QRgb drawAtTheExamplePoint();

    WindowFixture m_window;
};

void ColourAndThicknessTest::pickFromOpenList(int row)
{
    QTest::mouseClick(m_window.window()->windowHandle(), Qt::LeftButton, {},
                      list()->geometry().topRight() + QPoint(-8, list()->height() / 2));
    QAbstractItemView* view = list()->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex index = list()->model()->index(row, 0);
    view->scrollTo(index);
    const QRect item = view->visualRect(index);
    QWidget* popup = view->window();
    QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, view->viewport()->mapTo(popup, item.center()));
    QTRY_VERIFY(!view->isVisible());
}

QRgb ColourAndThicknessTest::drawAtTheExamplePoint()
{
    m_window.type("txtx", "1200");
    m_window.type("txty", "600");
    m_window.pressDraw();
    return m_window.drawingArea().pixel(80, 40);
}

void ColourAndThicknessTest::listOffersTheSixteenColours()
{
    QStringList shown;
    for (int row = 0; row < list()->count(); ++row)
        shown << list()->itemText(row);
    QCOMPARE(shown, (QStringList{"0 Black", "1 Blue", "2 Green", "3 Cyan", "4 Red", "5 Magenta", "6 Yellow", "7 White",
                                 "8 Gray", "9 Light Blue", "10 Light Green", "11 Light Cyan", "12 Light Red",
                                 "13 Light Magenta", "14 Light Yellow", "15 Bright White"}));
    QCOMPARE(list()->currentIndex(), -1);
    QVERIFY(list()->currentText().isEmpty());
    QVERIFY(list()->isEditable());
}

void ColourAndThicknessTest::enterInTheListAddsNothing()
{
    m_window.click("Combo1");
    QTest::keyClicks(QApplication::focusWidget(), "99 Purple");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "x");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(list()->count(), 16);
}

void ColourAndThicknessTest::typicalUseStepByStep()
{
    m_window.type("txtx", "1200");
    m_window.type("txty", "600");
    m_window.type("Text3", "3");
    QCOMPARE(penWidth(), 3);
    pickFromOpenList(4);
    QCOMPARE(list()->currentText(), QString("4 Red"));
    m_window.pressDraw();

    QCOMPARE(m_window.form1().colorIndex, 4);
    const QList<QPoint> inked = m_window.inkedPixels();
    QCOMPARE(inked.size(), 9); // 3 by 3 around (80, 40)
    for (const QPoint& pixel : inked) {
        QVERIFY(qAbs(pixel.x() - 80) <= 1 && qAbs(pixel.y() - 40) <= 1);
        QCOMPARE(m_window.drawingArea().pixel(pixel), qRgb(0x80, 0, 0));
    }
    QVERIFY(m_window.reports().isEmpty());
}

void ColourAndThicknessTest::colourPickedWithTheMouseColoursTheNextPoint()
{
    m_window.type("txtx", "1200");
    m_window.type("txty", "600");
    pickFromOpenList(12);
    // The click on Draw moves the focus off the list first, so its colour is already stored.
    m_window.pressDraw();
    QCOMPARE(m_window.drawingArea().pixel(80, 40), qRgb(0xFF, 0, 0));
}

void ColourAndThicknessTest::choiceWithoutLeavingTheListChangesNothing()
{
    pickFromOpenList(9);
    QCOMPARE(list()->currentText(), QString("9 Light Blue"));
    QVERIFY(list()->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(m_window.form1().colorIndex, 0);
    // Leaving it later counts.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(m_window.form1().colorIndex, 9);
}

void ColourAndThicknessTest::leavingTheListTakesTheFirstTwoCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<uint>("colour"); // 0 where the colour number is refused
    QTest::addColumn<QString>("refusal");

    QTest::newRow("one digit completes to its entry") << "7" << 0xC0C0C0u << "";
    QTest::newRow("two digits") << "14" << 0xFFFF00u << "";
    QTest::newRow("the last entry, white") << "15" << 0xFFFFFFu << "";
    QTest::newRow("3abc reads 3a as 3") << "3abc" << 0x008080u << "";
    QTest::newRow("123 keeps only 12") << "123" << 0xFF0000u << "";
    QTest::newRow("x3 reads as 0") << "x3" << 0x000000u << "";
    QTest::newRow("empty reads as 0") << "" << 0x000000u << "";
    QTest::newRow("a point alone reads as 0") << "." << 0x000000u << "";
    QTest::newRow("1e reads as 1") << "1e" << 0x000080u << "";
    QTest::newRow("99 is refused at the press")
        << "99" << 0u << "The colour \"99\" is not one of the colour numbers 0 to 15.";
    QTest::newRow("-5 is refused at the press") << "-5" << 0u << "The colour \"-5\" is not one of";
    QTest::newRow("999 is read as 99")
        << "999" << 0u << "Only the first two characters of \"999\" count: 99 is not one of the colours 0 to 15.";
    QTest::newRow("-32 is read as -3") << "-32" << 0u << "of \"-32\" count: -3 is not one";
    QTest::newRow("99 Purple is read as 99") << "99 Purple" << 0u << "of \"99 Purple\" count: 99";
    QTest::newRow("an emoji reads as 0") << QString::fromUtf8("\xf0\x9f\x98\x80"
                                                              "5")
                                         << 0x000000u << "";
}

void ColourAndThicknessTest::leavingTheListTakesTheFirstTwoCharacters()
{
    QFETCH(QString, typed);
    QFETCH(uint, colour);
    QFETCH(QString, refusal);

    // An earlier point, in a colour no row expects, where the press draws: it must survive a
    // refused colour, and show that black and white were drawn over it.
    constexpr QRgb kEarlier = qRgb(0x80, 0, 0x80);
    m_window.form1().colorIndex = 5;
    QCOMPARE(drawAtTheExamplePoint(), kEarlier);

    m_window.click("Combo1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    // Key events carry ASCII only; other text arrives as an input method would commit it.
    if (typed.toLatin1() == typed.toUtf8())
        QTest::keyClicks(QApplication::focusWidget(), typed);
    else
        list()->lineEdit()->insert(typed);
    const QRgb drawn = drawAtTheExamplePoint();

    if (refusal.isEmpty()) {
        QCOMPARE(drawn, 0xFF000000u | colour);
        QVERIFY(m_window.reports().isEmpty());
    } else {
        QTRY_COMPARE(m_window.reports().size(), 1);
        QVERIFY2(m_window.reports().first().contains(refusal), qPrintable(m_window.reports().first()));
        QCOMPARE(drawn, kEarlier);
    }
}

enum class FocusMove {
    Tab,
    ShiftTab,
    ClickOnXBox,
    ClickOnDrawingSurface,
    ListDropsDownAndCloses,
    FocusBackToTheListItself,
    AnotherWindowTakesTheFocus,
    ReportAppears,
    WindowCloses,
};

void ColourAndThicknessTest::whenLeavingTheListCounts_data()
{
    QTest::addColumn<FocusMove>("move");
    QTest::addColumn<bool>("counts");

    QTest::newRow("Tab") << FocusMove::Tab << true;
    QTest::newRow("Shift+Tab") << FocusMove::ShiftTab << true;
    QTest::newRow("a click on the X box") << FocusMove::ClickOnXBox << true;
    QTest::newRow("a click on the drawing surface") << FocusMove::ClickOnDrawingSurface << true;
    QTest::newRow("its list drops down and closes") << FocusMove::ListDropsDownAndCloses << false;
    QTest::newRow("focus set on the list it is in") << FocusMove::FocusBackToTheListItself << false;
    QTest::newRow("another window takes the focus and gives it back") << FocusMove::AnotherWindowTakesTheFocus << false;
    QTest::newRow("a report of ours appears") << FocusMove::ReportAppears << false;
    QTest::newRow("the window closes") << FocusMove::WindowCloses << false;
}

void ColourAndThicknessTest::whenLeavingTheListCounts()
{
    QFETCH(FocusMove, move);
    QFETCH(bool, counts);

    m_window.click("Combo1");
    QTest::keyClicks(QApplication::focusWidget(), "5");
    // A colour number the list cannot give, to see whether leaving stored one.
    constexpr std::int16_t kUntouched = -1000;
    m_window.form1().colorIndex = kUntouched;
    QWidget* focus = QApplication::focusWidget();

    switch (move) {
    case FocusMove::Tab:
        QTest::keyClick(focus, Qt::Key_Tab);
        break;
    case FocusMove::ShiftTab:
        QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case FocusMove::ClickOnXBox:
        m_window.click("txtx");
        break;
    case FocusMove::ClickOnDrawingSurface:
        m_window.click("Picture1");
        break;
    case FocusMove::ListDropsDownAndCloses:
        QTest::keyClick(focus, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(list()->view()->isVisible());
        QTest::keyClick(list()->view(), Qt::Key_Escape);
        QTRY_VERIFY(!list()->view()->isVisible());
        QTRY_VERIFY(list()->isAncestorOf(QApplication::focusWidget()));
        break;
    case FocusMove::FocusBackToTheListItself:
        list()->setFocus(Qt::OtherFocusReason);
        list()->lineEdit()->setFocus(Qt::OtherFocusReason);
        break;
    case FocusMove::AnotherWindowTakesTheFocus: {
        QLineEdit other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        m_window.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.window()));
        QTRY_VERIFY(list()->isAncestorOf(QApplication::focusWidget()));
        break;
    }
    case FocusMove::ReportAppears:
        platform::runHandler(list(), [] { throw platform::FormsError("Something to read."); });
        QCOMPARE(m_window.shownReportText(), QString("Something to read."));
        break;
    case FocusMove::WindowCloses:
        m_window.window()->close();
        QTRY_VERIFY(!m_window.window()->isVisible());
        break;
    }
    QCoreApplication::processEvents();
    QCOMPARE(m_window.form1().colorIndex, counts ? 5 : kUntouched);
}

void ColourAndThicknessTest::wheelTurnsTheListOnlyWhileItHasTheFocus_data()
{
    QTest::addColumn<QString>("focusedControl");
    QTest::addColumn<QString>("shownAfter");
    QTest::newRow("the focus in the X box") << "txtx"
                                            << "1 Blue";
    QTest::newRow("the focus in the list") << "Combo1"
                                           << "2 Green";
}

void ColourAndThicknessTest::wheelTurnsTheListOnlyWhileItHasTheFocus()
{
    QFETCH(QString, focusedControl);
    QFETCH(QString, shownAfter);
    pickFromOpenList(1);
    m_window.click(qPrintable(focusedControl));
    QWidget* focus = QApplication::focusWidget();

    // One notch down over the list's text.
    QLineEdit* field = list()->lineEdit();
    const QPoint middle = field->rect().center();
    QWheelEvent turn(middle, field->mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&turn);
    qApp->notify(field, &turn); // as the window system delivers it: sendEvent() would unmark it
    QCOMPARE(list()->currentText(), shownAfter);
    QCOMPARE(QApplication::focusWidget(), focus);
}

void ColourAndThicknessTest::thicknessFollowsEveryKeystroke()
{
    QCOMPARE(penWidth(), 1);
    m_window.click("Text3");
    QTest::keyClick(thickness(), Qt::Key_1);
    QCOMPARE(penWidth(), 1);
    QTest::keyClick(thickness(), Qt::Key_2);
    QCOMPARE(penWidth(), 12);
    QTest::keyClick(thickness(), Qt::Key_Backspace);
    QCOMPARE(penWidth(), 1);
}

void ColourAndThicknessTest::thicknessIsRoundedToAWholeWidth_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("width");
    QTest::newRow("2.5 rounds to the even 2") << "2.5" << 2;
    QTest::newRow("3.5 rounds to the even 4") << "3.5" << 4;
    QTest::newRow("3.7 rounds up") << "3.7" << 4;
    QTest::newRow("text after the number is ignored") << "6px" << 6;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("0.7, typed through 0 and 0.") << "0.7" << 1;
    QTest::newRow("-5 taken back to 5") << "-\b5" << 5;
}

void ColourAndThicknessTest::thicknessIsRoundedToAWholeWidth()
{
    QFETCH(QString, typed);
    QFETCH(int, width);
    m_window.type("Text3", typed);
    QCOMPARE(penWidth(), width);
    // Refused on the way, but valid once typing pauses: nothing to report.
    QCOMPARE(m_window.letTypingPause(), 0);
    QVERIFY2(m_window.reports().isEmpty(), qPrintable(m_window.reports().join('\n')));
}

void ColourAndThicknessTest::everyKindOfEditChangesTheThickness()
{
    m_window.type("Text3", "25");
    thickness()->selectAll();
    thickness()->cut();
    QCOMPARE(penWidth(), 25); // an empty box is refused and keeps the width
    m_window.letTypingPause();
    QCOMPARE(m_window.reports().size(), 1);

    thickness()->paste();
    QCOMPARE(penWidth(), 25);
    QApplication::clipboard()->setText("7");
    thickness()->selectAll();
    thickness()->paste();
    QCOMPARE(penWidth(), 7);
    thickness()->undo();
    QCOMPARE(thickness()->text(), QString("25"));
    QCOMPARE(penWidth(), 25);
    thickness()->redo();
    QCOMPARE(penWidth(), 7);
    m_window.form().textBox("Text3").setText("9");
    QCOMPARE(penWidth(), 9);
}

void ColourAndThicknessTest::settingTheSameTextChangesNothing()
{
    m_window.type("Text3", "9");
    m_window.form().pictureBox("Picture1").setDrawWidth(4);
    m_window.form().textBox("Text3").setText("9");
    QCOMPARE(penWidth(), 4);
}

void ColourAndThicknessTest::refusedThicknessKeepsTheWidth_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");
    const QString allowed = ": pen widths from 1 to 32767 are allowed.";
    QTest::newRow("cleared box") << ""
                                 << "The pen width is missing" + allowed;
    QTest::newRow("zero") << "0"
                          << "The pen width \"0\" is too small" + allowed;
    QTest::newRow("a half, named as typed") << "0.5"
                                            << "The pen width \"0.5\" is too small" + allowed;
    QTest::newRow("rounded up to zero") << " -0.4"
                                        << "The pen width \"-0.4\" is too small" + allowed;
    QTest::newRow("letters") << "abc"
                             << "The pen width \"abc\" is not a number" + allowed;
    QTest::newRow("negative") << "-3"
                              << "The pen width \"-3\" is too small" + allowed;
    QTest::newRow("past 16 bits") << "40000"
                                  << "The pen width \"40000\" is too large" + allowed;
    QTest::newRow("far past 16 bits, written out") << "100000"
                                                   << "The pen width \"100000\" is too large" + allowed;
    QTest::newRow("far below 16 bits") << "-40000"
                                       << "The pen width \"-40000\" is too small" + allowed;
    QTest::newRow("too large for any number") << "1e999"
                                              << "The pen width \"1e999\" is too large" + allowed;
}

void ColourAndThicknessTest::refusedThicknessKeepsTheWidth()
{
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    m_window.form().textBox("Text3").setText("3");
    QCOMPARE(penWidth(), 3);

    thickness()->setFocus();
    thickness()->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(thickness(), Qt::Key_Delete);
    else
        thickness()->insert(typed);               // one change, so one report
    QTest::keyClick(thickness(), Qt::Key_Escape); // dismisses nothing the person has not seen
    // A note from another control while this one waits, then both stand.
    m_window.type("txtx", "1e400");
    m_window.pressDraw();
    const QString coordinate =
        "X coor: The coordinate \"1e400\" is too large: coordinates from -3.4e38 to 3.4e38 are allowed.";
    QCOMPARE(m_window.reports(), QStringList{coordinate}); // not while the person may still be typing
    QVERIFY(qAbs(m_window.letTypingPause() - 700) <= 300);
    // The newest whole, the older in one line beside it: at the window's size there is no room
    // for both whole without hiding more of the drawing area.
    QCOMPARE(m_window.shownNotes().size(), 2);
    QCOMPARE(m_window.shownNotes().last(), refusal);
    QVERIFY(m_window.shownNotes().first().endsWith(u'…'));
    QVERIFY(coordinate.startsWith(m_window.shownNotes().first().chopped(1)));
    auto* shortened = m_window.shownReports().first()->findChild<QLabel*>(); // a screen reader reads it whole
    QCOMPARE(QAccessible::queryAccessibleInterface(shortened)->text(QAccessible::Name), coordinate);
    QCOMPARE(penWidth(), 3);

    // A press that draws with the width last accepted leaves the refusal told.
    m_window.type("txtx", "1200");
    m_window.type("txty", "600");
    m_window.pressDraw();
    QCOMPARE(m_window.inkedPixels().size(), 9);
    QCOMPARE(m_window.shownNotes(), QStringList{refusal});
}

void ColourAndThicknessTest::earlierPointsKeepTheirSize()
{
    m_window.type("Text3", "3");
    m_window.type("txtx", "1200");
    m_window.type("txty", "600");
    m_window.pressDraw();
    m_window.type("Text3", "7");
    QCOMPARE(m_window.inkedPixels().size(), 9); // nothing is redrawn by the change

    m_window.type("txtx", "3000");
    m_window.pressDraw();
    const QList<QPoint> inked = m_window.inkedPixels();
    const auto near = [&](int x) {
        return std::count_if(inked.begin(), inked.end(), [x](const QPoint& p) { return qAbs(p.x() - x) <= 5; });
    };
    QCOMPARE(near(80), 9);
    QCOMPARE(near(200), 37); // a disc 7 pixels across
}

QTEST_MAIN(ColourAndThicknessTest)
#include "tst_colourandthickness.moc"
