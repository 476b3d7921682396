// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/drawing.h"
#include "picture/picturemenu.h"
#include "platform/drawingsurface.h"
#include "platform/form.h"
#include "platform/notes/errorreport.h"
#include "platform/notes/note.h"
#include "platform/translation.h"
#include "plotting/form1.h"
#include "window/form1layout.h"
#include "window/form1window.h"
#include "window/storedrecord.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>
#include <memory>
#include <new>
#include <stdexcept>

// The window as a person meets it: what it shows, where the focus goes, and the dots that
// pressing "Draw" leaves on the drawing surface.
class Form1WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowHasCaptionAndClientSize();
    void controlsStandWhereTheLayoutSays_data();
    void controlsStandWhereTheLayoutSays();
    void shownWindowMatchesTheStoredRecord();
    void captionsStayWholeAndVisible();
    void everyTextInThePersonsLanguage_data();
    void everyTextInThePersonsLanguage();
    void labelsLieBeneathTheBoxes();
    void focusStartsOnTheDrawingSurface();
    void tabVisitsControlsInOrderAndComesBack();
    void startsWithEmptyBoxesAndAFilledList();

    void pressPlotsOnePixel_data();
    void pressPlotsOnePixel();
    void pointingPicksThePixelDrawPlotsOn_data();
    void pointingPicksThePixelDrawPlotsOn();
    void everyPressAddsAPoint();
    void typingAloneDrawsNothing();
    void everyWayOfPressingDrawPlotsOnce_data();
    void everyWayOfPressingDrawPlotsOnce();
    void widePointIsADiscOfThatDiameter_data();
    void widePointIsADiscOfThatDiameter();
    void pointsFarAwayDrawNothing_data();
    void pointsFarAwayDrawNothing();

    void failuresAreReportedAndNothingIsPlotted_data();
    void failuresAreReportedAndNothingIsPlotted();
    void penWidthBelowOneIsRefused();
    void reportStandsBesideItsControlAndTakesNoFocus_data();
    void reportStandsBesideItsControlAndTakesNoFocus();
    void notesStandApart_data();
    void notesStandApart();
    void reportGoesAway_data();
    void reportGoesAway();
    void whateverAHandlerThrowsIsReported_data();
    void whateverAHandlerThrowsIsReported();
    void pointsSurviveResizingTheWindow();
    void pressRepaintsOnlyAroundThePoint();

private:
    template <typename W> W* find(const char* name) const { return m_window.find<W>(name); }
    platform::DrawingSurface* surface() const { return m_window.surface(); }
    QList<QPoint> inkedPixels() const { return m_window.inkedPixels(); }
    QImage drawingArea() const { return m_window.drawingArea(); }
    void type(const char* control, const QString& text) { m_window.type(control, text); }
    void pressDraw() { m_window.pressDraw(); }

    WindowFixture m_window;
};

void Form1WindowTest::init()
{
    QVERIFY(m_window.open());
}

void Form1WindowTest::cleanup()
{
    m_window.close();
}

void Form1WindowTest::windowHasCaptionAndClientSize()
{
    QWidget* window = m_window.window();
    QCOMPARE(window->windowTitle(), QString("Draw dots"));
    QCOMPARE(window->size(), QSize(312, 228));
}

void Form1WindowTest::controlsStandWhereTheLayoutSays_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    // Pixels at 15 twips each, worked out by hand from the layout in twips.
    QTest::newRow("Draw button") << "cmdDraw"
                                 << "QPushButton"
                                 << "Draw" << QRect(80, 208, 153, 17);
    QTest::newRow("thickness box") << "Text3"
                                   << "QLineEdit"
                                   << "" << QRect(224, 56, 73, 19);
    QTest::newRow("Y box") << "txty"
                           << "QLineEdit"
                           << "" << QRect(64, 56, 81, 19);
    QTest::newRow("X box") << "txtx"
                           << "QLineEdit"
                           << "" << QRect(64, 16, 81, 19);
    QTest::newRow("colour list") << "Combo1"
                                 << "QComboBox"
                                 << "" << QRect(160, 16, 137, 21);
    QTest::newRow("drawing surface") << "Picture1"
                                     << "platform::DrawingSurface"
                                     << "" << QRect(8, 88, 289, 113);
    QTest::newRow("thickness label") << "Label3"
                                     << "QLabel"
                                     << "Thickness" << QRect(168, 56, 81, 17);
    QTest::newRow("Y label") << "Label2"
                             << "QLabel"
                             << "Y coor" << QRect(16, 56, 81, 25);
    QTest::newRow("X label") << "Label1"
                             << "QLabel"
                             << "X coor" << QRect(16, 16, 81, 25);
}

void Form1WindowTest::controlsStandWhereTheLayoutSays()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);

    auto* widget = find<QWidget>(name.toUtf8().constData());
    QCOMPARE(widget->metaObject()->className(), className);
    QVERIFY(widget->isVisible());
    QCOMPARE(widget->geometry(), geometry);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), caption);
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
}

void Form1WindowTest::shownWindowMatchesTheStoredRecord()
{
    const platform::FormDescription stored = window::decodeFormRecord(window::kForm1Record);
    QCOMPARE(m_window.window()->windowTitle(), QString::fromStdString(stored.caption));
    QCOMPARE(m_window.window()->size(), QSize(stored.clientWidth, stored.clientHeight) / 15);

    const std::map<platform::ControlKind, QString> classOfKind = {
        {platform::ControlKind::CommandButton, "QPushButton"},
        {platform::ControlKind::TextBox, "QLineEdit"},
        {platform::ControlKind::ComboBox, "QComboBox"},
        {platform::ControlKind::PictureBox, "platform::DrawingSurface"},
        {platform::ControlKind::Label, "QLabel"}};
    std::map<int, QWidget*> byTabIndex;
    for (const platform::ControlDescription& control : stored.controls) {
        QWidget* widget = find<QWidget>(control.name.c_str());
        QCOMPARE(widget->metaObject()->className(), classOfKind.at(control.kind));
        QCOMPARE(widget->geometry(),
                 QRect(control.left / 15, control.top / 15, control.width / 15, control.height / 15));
        const QVariant text = widget->property("text");
        if (text.isValid() && !qobject_cast<QLineEdit*>(widget))
            QCOMPARE(text.toString(), QString::fromStdString(control.caption));
        if (control.kind != platform::ControlKind::Label)
            byTabIndex[control.tabIndex] = widget;
    }
    // Nothing else shows, whatever the window holds for assistive technology alone.
    const QList<QWidget*> parts = m_window.window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(std::count_if(parts.begin(), parts.end(), [](QWidget* part) { return part->isVisible(); }),
             qsizetype(stored.controls.size()));
    // Tab visits the controls by tab index, starting from the first and coming back to it.
    QCOMPARE(QApplication::focusWidget(), byTabIndex.begin()->second);
    for (auto next = std::next(byTabIndex.begin());; ++next) {
        QWidget* expected = next == byTabIndex.end() ? byTabIndex.begin()->second : next->second;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() == expected || expected->isAncestorOf(QApplication::focusWidget()));
        if (next == byTabIndex.end())
            break;
    }
}

void Form1WindowTest::captionsStayWholeAndVisible()
{
    // Each label's text must end before the box to its right begins.
    const std::pair<const char*, const char*> beside[] = {{"Label1", "txtx"}, {"Label2", "txty"}, {"Label3", "Text3"}};
    for (const auto& [labelName, boxName] : beside) {
        auto* label = find<QLabel>(labelName);
        const int textEnd = label->x() + label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(textEnd < find<QWidget>(boxName)->x(), labelName);
        QVERIFY(label->fontMetrics().height() <= label->height());
    }
    auto* button = find<QPushButton>("cmdDraw");
    QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
}

void Form1WindowTest::everyTextInThePersonsLanguage_data()
{
    QTest::addColumn<QStringList>("languages"); // the person's, most wanted first
    QTest::addColumn<QString>("undo");          // the first entry of a text box's context menu
    QTest::addColumn<QStringList>("kept");      // texts that read as in English; "*": all
    QTest::addColumn<QString>("twoPoints");     // the count after two presses
    QTest::addColumn<QString>("quoted");        // 0.5 in the language's quotation marks, where it writes 2,5
    QTest::addColumn<QString>("copyKeys");      // as a screen reader hears those of the picture menu's Copy

    QTest::newRow("de") << QStringList{"de-DE", "de"} << "&Rückgängig" << QStringList{"3 Cyan", "5 Magenta"}
                        << "2 Punkte gezeichnet"
                        << "„0.5“"
                        << "Strg+C";
    // After German, to see that nothing of it stays behind.
    QTest::newRow("C before German") << QStringList{"C", "de"} << "&Undo" << QStringList{"*"} << "2 points drawn"
                                     << ""
                                     << "Ctrl+C";
    QTest::newRow("English before German")
        << QStringList{"en-GB", "de"} << "&Undo" << QStringList{"*"} << "2 points drawn"
        << ""
        << "Ctrl+C";
    QTest::newRow("es, fr") << QStringList{"es-ES", "fr_FR.UTF-8"} << "&Annuler" << QStringList{"3 Cyan", "5 Magenta"}
                            << "2 points dessinés"
                            << "«\u00a00.5\u00a0»"
                            << "Ctrl+C";
}

void Form1WindowTest::everyTextInThePersonsLanguage()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, undo);
    QFETCH(QStringList, kept);
    QFETCH(QString, twoPoints);
    QFETCH(QString, quoted);
    QFETCH(QString, copyKeys);
    const auto texts = [this] { // all the window shows or tells assistive technology, the count after two presses
        pressDraw();
        pressDraw();
        QStringList all{m_window.window()->windowTitle(), find<QPushButton>("cmdDraw")->text(),
                        surface()->accessibleName(),
                        QAccessible::queryAccessibleInterface(surface())->text(QAccessible::Description),
                        QAccessible::queryAccessibleInterface(surface())->text(QAccessible::Help)};
        for (auto* label : m_window.window()->findChildren<QLabel*>())
            all << label->text();
        // The drawing area's menu, and the names it proposes for a picture saved or printed.
        const auto* menu = surface()->findChild<picture::PictureMenu*>();
        for (const QAction* action : menu->menu()->actions()) {
            if (!action->isSeparator())
                all << action->text();
        }
        for (const char* suffix : {"png", "pdf"})
            all << QFileInfo(menu->drawing().proposedName(suffix)).fileName();
        for (int i = 0; i < find<QComboBox>("Combo1")->count(); ++i)
            all << find<QComboBox>("Combo1")->itemText(i);
        // The longest a picture saved or a drawing opened is refused with, each shown whole alone.
        const auto refusedWhole = [&] {
            all << m_window.shownReportText();
            QTest::qVerify(m_window.reportOverTwoLines().isEmpty(), "two lines", qPrintable(all.last()), __FILE__,
                           __LINE__);
        };
        QTemporaryDir folder;
        const QString longName = folder.filePath("a picture with a rather long name");
        for (const QByteArray& coordinate : {QByteArray("-1234567"), QByteArray("1e99999999999999")}) {
            QFile file(longName + ".svg");
            QTest::qVerify(file.open(QIODevice::WriteOnly), "open", "", __FILE__, __LINE__);
            file.write("<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:d=\"https://drawdots.github.io/ns/drawing\" "
                       "d:version=\"1\"><circle r=\"1\" d:x=\"" +
                       coordinate + "\" d:y=\"6\" d:colour=\"4\"/></svg>");
            file.close();
            menu->drawing().openFile(file.fileName());
            refusedWhole();
        }
        for (const QString& name :
             {longName + ".jpg", folder.filePath("gone/" + QFileInfo(longName).fileName() + ".png")}) {
            menu->drawing().saveTo(name);
            refusedWhole();
        }
        type("txtx", "-1e309999999999999"); // the longest refusal, of a coordinate
        pressDraw();
        type("Text3", "0,5"); // refused, and with a decimal comma
        m_window.letTypingPause();
        // Each note whole in two lines of its small text at the window's own size.
        QTest::qVerify(m_window.reportOverTwoLines().isEmpty(), "two lines", qPrintable(m_window.reportOverTwoLines()),
                       __FILE__, __LINE__);
        return all << m_window.shownNotes();
    };
    const QStringList english = texts();
    m_window.close();
    const platform::Translations translations(languages);
    QVERIFY(m_window.open());
    const QStringList shown = texts();
    for (qsizetype i = 0; i < shown.size(); ++i)
        QVERIFY2((shown[i] == english[i]) == (kept.contains(shown[i]) || kept.contains("*")), qPrintable(shown[i]));
    captionsStayWholeAndVisible();
    for (int i = 0; i < find<QComboBox>("Combo1")->count(); ++i) // the number picks the colour
        QCOMPARE(find<QComboBox>("Combo1")->itemText(i).section(' ', 0, 0), QString::number(i));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), undo);
    QCOMPARE(shown[3], twoPoints);
    const QList<QAction*> items = surface()->findChild<QMenu*>()->actions();
    QAction* copy =
        *std::find_if(items.begin(), items.end(), [](QAction* item) { return item->shortcut() == QKeySequence::Copy; });
    QCOMPARE(QAccessible::queryAccessibleInterface(copy)->actionInterface()->keyBindingsForAction({}).value(2),
             copyKeys);
    // One style of quotation marks in every note of a language.
    QVERIFY2(quoted.isEmpty() ? !shown.last().contains("0.5") : shown.last().contains(quoted),
             qPrintable(shown.last()));
    for (const QString& note : m_window.shownNotes())
        QVERIFY2(quoted.isEmpty() || !note.contains('"'), qPrintable(note));
}

void Form1WindowTest::labelsLieBeneathTheBoxes()
{
    QWidget* window = m_window.window();
    // Where "X coor"'s rectangle reaches under the X box, the box is what is there.
    QCOMPARE(window->childAt(70, 20), find<QLineEdit>("txtx"));
    QCOMPARE(window->childAt(230, 60), find<QLineEdit>("Text3"));
    QCOMPARE(window->childAt(20, 20), find<QLabel>("Label1"));

    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(66, 30));
    QCOMPARE(QApplication::focusWidget(), find<QLineEdit>("txtx"));
}

void Form1WindowTest::focusStartsOnTheDrawingSurface()
{
    QCOMPARE(QApplication::focusWidget(), surface());
}

void Form1WindowTest::tabVisitsControlsInOrderAndComesBack()
{
    const auto focusedControl = [this] {
        QWidget* focus = QApplication::focusWidget();
        // The list's edit field is part of the list.
        return focus && focus->parentWidget() != m_window.window() ? focus->parentWidget() : focus;
    };
    const QStringList forward = {"Combo1", "txtx", "txty", "Text3", "cmdDraw", "Picture1"};
    for (const QString& name : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedControl()->objectName(), name);
    }
    for (auto name = forward.crbegin() + 1; name != forward.crend(); ++name) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedControl()->objectName(), *name);
    }
}

void Form1WindowTest::startsWithEmptyBoxesAndAFilledList()
{
    for (const char* name : {"txtx", "txty", "Text3"})
        QVERIFY(find<QLineEdit>(name)->text().isEmpty());
    auto* list = find<QComboBox>("Combo1");
    QCOMPARE(list->count(), 16);
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(list->currentText().isEmpty());
    QVERIFY(inkedPixels().isEmpty());
    QCOMPARE(m_window.form1().colorIndex, 0);
}

void Form1WindowTest::pressPlotsOnePixel_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QPoint>("pixel");

    QTest::newRow("empty boxes read as the corner") << ""
                                                    << "" << QPoint(0, 0);
    QTest::newRow("1200 by 600 twips") << "1200"
                                       << "600" << QPoint(80, 40);
    QTest::newRow("a fraction is kept, not rounded to a twip") << "1214.9"
                                                               << "599.5" << QPoint(80, 39);
    QTest::newRow("text after the number is ignored") << "30 twips"
                                                      << "15abc" << QPoint(2, 1);
    QTest::newRow("bottom-right corner of the area") << "4259"
                                                     << "1619" << QPoint(283, 107);
}

void Form1WindowTest::pressPlotsOnePixel()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QPoint, pixel);

    type("txtx", x);
    type("txty", y);
    pressDraw();

    QCOMPARE(inkedPixels(), QList<QPoint>{pixel});
    QCOMPARE(drawingArea().pixel(pixel), qRgb(0, 0, 0));
    QVERIFY(m_window.reports().isEmpty());
    // The boxes keep what was typed.
    QCOMPARE(find<QLineEdit>("txtx")->text(), x);
}

void Form1WindowTest::pointingPicksThePixelDrawPlotsOn_data()
{
    QTest::addColumn<QString>("typed"); // X, Y, then what is done on the drawing area (WindowFixture::point)
    QTest::addColumn<QPoint>("pixel");  // where the cross shows and Draw plots
    QTest::newRow("numbers typed: the cross, no pointing") << "1200|600|" << QPoint(80, 40);
    QTest::newRow("empty boxes: no cross") << "||" << QPoint(0, 0);
    QTest::newRow("a click replaces the numbers typed") << "4000|5|click 3 7" << QPoint(3, 7);
    QTest::newRow("a click on the border picks the nearest pixel") << "||click -2 110" << QPoint(0, 108);
    QTest::newRow("dragging moves the point") << "||drag 10 10 200 100" << QPoint(200, 100);
    QTest::newRow("Right moves a pixel, 15 twips") << "1200|600|Right" << QPoint(81, 40);
    QTest::newRow("Shift moves ten pixels") << "1200|600|Shift+Down, Shift+Left" << QPoint(70, 50);
    QTest::newRow("a fraction moves from the pixel holding it") << "1214.9|599.5|Left, Up" << QPoint(79, 38);
    QTest::newRow("Left and Up stop at the edge") << "15|15|Shift+Left, Shift+Up" << QPoint(0, 0);
    QTest::newRow("Right and Down stop at the edge") << "4259|1600|Shift+Right, Shift+Down" << QPoint(284, 108);
    QTest::newRow("a point outside comes in at the nearest edge") << "9000|-50|Left" << QPoint(283, 0);
    QTest::newRow("empty boxes move from the corner") << "||Right, Down" << QPoint(1, 1);
    QTest::newRow("a number past reading moves from 0") << "1e999|600|Right" << QPoint(1, 40);
}

void Form1WindowTest::pointingPicksThePixelDrawPlotsOn()
{
    QFETCH(QString, typed);
    QFETCH(QPoint, pixel);
    const QStringList part = typed.split('|');
    type("txtx", part[0]);
    type("txty", part[1]);
    m_window.point(part[2]);

    // A cross marks the point the boxes name while they or the drawing area have the focus: its
    // black arms on the point's row and column, 3 to 7 pixels off it, and none of it ink.
    const QList<QPoint> cross = m_window.crossPixels();
    QCOMPARE(cross.isEmpty(), part[0].isEmpty() && part[2].isEmpty());
    for (const QPoint& arm : cross) {
        const QPoint off = arm - pixel;
        QVERIFY((off.x() == 0) != (off.y() == 0) && off.manhattanLength() >= 3 && off.manhattanLength() <= 7);
        QVERIFY(QRect(QPoint(0, 0), surface()->contentsRect().size()).contains(arm)); // never over the border
    }
    QVERIFY(inkedPixels().isEmpty());
    if (!cross.isEmpty()) { // it blinks as the text cursor does, hiding no dot for long
        auto* blink = surface()->findChild<QTimer*>("CrossBlink");
        QCOMPARE(blink->interval(), QApplication::cursorFlashTime() / 2);
        blink->start(1);
        QTRY_VERIFY(m_window.crossPixels().isEmpty());
    }
    pressDraw();
    QCOMPARE(inkedPixels(), QList<QPoint>{pixel});
    if (!part[2].isEmpty()) // the boxes hold the twips of the pixel pointed at
        QCOMPARE(find<QLineEdit>("txtx")->text() + ", " + find<QLineEdit>("txty")->text(),
                 QString("%1, %2").arg(pixel.x() * 15).arg(pixel.y() * 15));
    QCOMPARE(surface()->cursor().shape(), Qt::CrossCursor);
}

void Form1WindowTest::everyPressAddsAPoint()
{
    type("txtx", "1200");
    type("txty", "600");
    pressDraw();
    pressDraw();
    QCOMPARE(inkedPixels(), QList<QPoint>{QPoint(80, 40)});

    type("txtx", "150");
    pressDraw();
    QCOMPARE(inkedPixels(), (QList<QPoint>{QPoint(10, 40), QPoint(80, 40)}));
}

void Form1WindowTest::typingAloneDrawsNothing()
{
    type("txtx", "1200");
    type("txty", "600");
    QVERIFY(inkedPixels().isEmpty());
    pressDraw();
    type("txtx", "3000");
    QCOMPARE(inkedPixels(), QList<QPoint>{QPoint(80, 40)});
}

void Form1WindowTest::everyWayOfPressingDrawPlotsOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("held"); // 1: the keyboard repeating the key before its release;
                                   // 2: the focus leaving while it is down, then a new press;
                                   // 3 and 4: as 0 and 1, on the drawing area instead of Draw
    QTest::newRow("Space") << int(Qt::Key_Space) << 0;
    QTest::newRow("Return") << int(Qt::Key_Return) << 0;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << 0;
    QTest::newRow("Return held, the keyboard repeating it") << int(Qt::Key_Return) << 1;
    QTest::newRow("Return held as the focus leaves, pressed again on return") << int(Qt::Key_Return) << 2;
    QTest::newRow("the mouse: nothing on the press, one point on the release") << 0 << 0;
    QTest::newRow("Return on the drawing area") << int(Qt::Key_Return) << 3;
    QTest::newRow("Enter held on the drawing area, the keyboard repeating it") << int(Qt::Key_Enter) << 4;
    QTest::newRow("a double click on the drawing area") << 0 << 3;
}

void Form1WindowTest::everyWayOfPressingDrawPlotsOnce()
{
    QFETCH(int, key);
    QFETCH(int, held);
    type("txtx", "300");
    type("txty", "150");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to Text3
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to Draw
    QCOMPARE(QApplication::focusWidget(), find<QPushButton>("cmdDraw"));
    const bool onTheArea = held >= 3;
    if (onTheArea) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        held -= 3;
    }
    if (held == 2) {
        auto* draw = QApplication::focusWidget();
        QTest::keyPress(draw, Qt::Key(key));
        find<QWidget>("txtx")->setFocus();
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key(key));
        draw->setFocus();
        QTest::keyClick(draw, Qt::Key(key));
    } else if (held) {
        // Repeats come marked as such, or, with the server's detectable repeat, as bare presses.
        QTest::keyPress(QApplication::focusWidget(), Qt::Key(key));
        for (const bool marked : {true, true, false, false}) {
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), marked);
            QApplication::sendEvent(QApplication::focusWidget(), &repeat);
        }
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key(key));
    } else if (key) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    } else if (onTheArea) {
        m_window.point("dclick 20 10");
    } else {
        const QPoint middle = find<QPushButton>("cmdDraw")->geometry().center();
        QTest::mousePress(m_window.window()->windowHandle(), Qt::LeftButton, {}, middle);
        QVERIFY(inkedPixels().isEmpty());
        QTest::mouseRelease(m_window.window()->windowHandle(), Qt::LeftButton, {}, middle);
    }
    QCOMPARE(inkedPixels(), QList<QPoint>{QPoint(20, 10)});
    QCOMPARE(surface()->pointsDrawn(), held == 2 ? 2 : 1);
}

void Form1WindowTest::widePointIsADiscOfThatDiameter_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("inkedCount");
    QTest::newRow("width 2 is a 2 by 2 square") << 2 << 4;
    QTest::newRow("width 3 is a 3 by 3 square") << 3 << 9;
    QTest::newRow("width 5 is a disc without corners") << 5 << 21;
    QTest::newRow("width 50") << 50 << -1;
}

void Form1WindowTest::widePointIsADiscOfThatDiameter()
{
    QFETCH(int, width);
    QFETCH(int, inkedCount);
    m_window.form().pictureBox("Picture1").setDrawWidth(std::int16_t(width));
    type("txtx", "1500");
    type("txty", "900");
    pressDraw();

    const QList<QPoint> inked = inkedPixels();
    QRect bounds;
    for (const QPoint& p : inked)
        bounds |= QRect(p, QSize(1, 1));
    QCOMPARE(bounds.width(), width);
    QCOMPARE(bounds.height(), width);
    // Centred on the point's pixel (100, 60).
    QVERIFY(qAbs(bounds.center().x() - 100) <= 1 && qAbs(bounds.center().y() - 60) <= 1);
    QVERIFY(inked.contains(QPoint(100, 60)));
    if (inkedCount >= 0)
        QCOMPARE(inked.size(), inkedCount);
    else
        QVERIFY(inked.size() > 0.7 * width * width && inked.size() < 0.85 * width * width); // pi/4 of the square
}

void Form1WindowTest::pointsFarAwayDrawNothing_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::newRow("left of the area") << "-15"
                                      << "600";
    QTest::newRow("right of the area") << "4500"
                                       << "600";
    QTest::newRow("below the area") << "600"
                                    << "1800";
    QTest::newRow("largest single") << "3.4e38"
                                    << "3.4e38";
    QTest::newRow("smallest single") << "-3.4e38"
                                     << "-3.4e38";
    QTest::newRow("just past a 32-bit pixel") << "32212254720"
                                              << "0";
}

void Form1WindowTest::pointsFarAwayDrawNothing()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    m_window.form().pictureBox("Picture1").setDrawWidth(32767);
    type("txtx", x);
    type("txty", y);
    QVERIFY(m_window.crossPixels().isEmpty()); // no cross marks a point outside
    pressDraw();
    // A huge pen reaches into the area from nearby points, never from far ones, and where
    // nothing shows, the person is told where the point went.
    const bool far = x.contains("e38") || x.size() > 6;
    if (far)
        QVERIFY(inkedPixels().isEmpty());
    QVERIFY(m_window.reports().isEmpty());
    QCOMPARE(m_window.shownNotes(),
             far ? QStringList{QString("The point at %1, %2 lies outside the drawing area.").arg(x, y)}
                 : QStringList());
}

void Form1WindowTest::failuresAreReportedAndNothingIsPlotted_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("reportSays");

    QTest::newRow("X too large for any number") << "1e999"
                                                << "600" << 0 << "too large";
    const QString coordinates = ": coordinates from -3.4e38 to 3.4e38 are allowed.";
    // The note stands beside Draw, so it names the box the number was typed in.
    QTest::newRow("Y too small for any number")
        << "600"
        << "-1e999" << 0 << "Y coor: The coordinate \"-1e999\" is too small" + coordinates;
    QTest::newRow("X beyond single precision")
        << "1e39"
        << "600" << 0 << "X coor: The coordinate \"1e39\" is too large" + coordinates;
    QTest::newRow("Y beyond single precision, read after X") << "1e38"
                                                             << "1e39" << 0 << "Y coor: The coordinate \"1e39\"";
    QTest::newRow("both too large: X, read first") << "1e400"
                                                   << "1e400" << 0 << "X coor: The coordinate \"1e400\"";
    QTest::newRow("colour number 99") << "600"
                                      << "600" << 99 << "colour number 99 is not one of";
    QTest::newRow("colour number -5") << "600"
                                      << "600" << -5 << "colour number -5 is not one of";
    QTest::newRow("colour number 99 and X beyond single precision: the colour is looked up first")
        << "1e39"
        << "600" << 99 << "colour number 99";
}

void Form1WindowTest::failuresAreReportedAndNothingIsPlotted()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(int, colour);
    QFETCH(QString, reportSays);

    type("txtx", "1200");
    type("txty", "600");
    pressDraw();

    type("txtx", x);
    type("txty", y);
    m_window.form1().colorIndex = std::int16_t(colour);
    pressDraw();
    QTRY_COMPARE(m_window.reports().size(), 1);
    QVERIFY2(m_window.reports().first().contains(reportSays), qPrintable(m_window.reports().first()));
    QCOMPARE(inkedPixels(), QList<QPoint>{QPoint(80, 40)});
    QCOMPARE(m_window.form1().colorIndex, colour);

    // The program goes on.
    m_window.form1().colorIndex = 0;
    type("txtx", "150");
    type("txty", "150");
    pressDraw();
    QCOMPARE(inkedPixels(), (QList<QPoint>{QPoint(10, 10), QPoint(80, 40)}));
    QCOMPARE(m_window.reports().size(), 1);
}

void Form1WindowTest::penWidthBelowOneIsRefused()
{
    platform::PictureBox& picture = m_window.form().pictureBox("Picture1");
    picture.setDrawWidth(4);
    for (const std::int16_t width : {std::int16_t(0), std::int16_t(-1), std::int16_t(-32768)})
        QVERIFY_THROWS_EXCEPTION(platform::FormsError, picture.setDrawWidth(width));
    QCOMPARE(picture.DrawWidth(), 4);
}

void Form1WindowTest::reportStandsBesideItsControlAndTakesNoFocus_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed"); // into Text3, or X; the colour is 99 where X is empty
    QTest::addColumn<QSize>("size");    // of the window, where it is not the designed size
    QTest::addColumn<QString>("message");
    const QString penWidth = "The pen width \"0.5\" is too small: pen widths from 1 to 32767 are allowed.";
    const QString colour = "The colour number 99 is not one of the colour numbers 0 to 15.";
    QTest::newRow("a thickness typed") << "Text3"
                                       << "0.5" << QSize() << penWidth;
    QTest::newRow("a press of Draw") << "cmdDraw"
                                     << "" << QSize() << colour;
    QTest::newRow("the longest, of a coordinate")
        << "cmdDraw"
        << "-1e309999999999999" << QSize()
        << "X coor: The coordinate \"-1e30999999999...\" is too small: coordinates from -3.4e38 to 3.4e38 are "
           "allowed.";
    QTest::newRow("a thickness typed, with room beside") << "Text3"
                                                         << "0.5" << QSize(600, 400) << penWidth;
    QTest::newRow("a press of Draw, with room below") << "cmdDraw"
                                                      << "" << QSize(320, 400) << colour;
}

void Form1WindowTest::reportStandsBesideItsControlAndTakesNoFocus()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QSize, size);
    QFETCH(QString, message);
    auto* source = find<QWidget>(control.toUtf8().constData());

    if (size.isValid())
        m_window.window()->resize(size);
    if (control == "Text3") {
        type("Text3", typed);
        m_window.letTypingPause();
    } else {
        if (typed.isEmpty())
            m_window.form1().colorIndex = 99;
        else
            type("txtx", typed);
        pressDraw();
    }

    QCOMPARE(m_window.shownReports().size(), 1);
    QWidget* report = m_window.shownReports().first();
    QCOMPARE(m_window.shownReportText(), message);
    QCOMPARE(QApplication::focusWidget(), source);

    // Inside the window, clear of every box, list and button, in two lines at most. Where the
    // window has room it hides nothing of the drawing surface, else a strip of one line.
    const QRect place = report->geometry();
    QVERIFY(m_window.window()->rect().contains(place));
    for (QWidget* other : m_window.window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != report && other != surface() && other->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!place.intersects(other->geometry()), qPrintable(other->objectName()));
    }
    const auto* text = report->findChild<QLabel*>();
    const int line = m_window.window()->fontMetrics().lineSpacing(); // of the controls' text
    QVERIFY2(text->height() <= 2 * line, qPrintable(QString::number(text->height())));
    const QRect sheet = surface()->contentsRect().translated(surface()->pos());
    const int hidden = (place & sheet).height();
    QVERIFY2(hidden <= (size.isValid() ? 0 : line + report->height() - text->height()),
             qPrintable(QString::number(hidden)));
    if (size.isValid()) // and then right beside its own control
        QVERIFY(place.adjusted(-4, -4, 4, 4).intersects(source->geometry()));

    QCOMPARE(report->focusPolicy(), Qt::NoFocus);
    for (const QWidget* part : report->findChildren<QWidget*>())
        QCOMPARE(part->focusPolicy(), Qt::NoFocus);
}

void Form1WindowTest::notesStandApart_data()
{
    QTest::addColumn<QStringList>("controls"); // whose handlers fail, in turn
    QTest::addColumn<QList<QSize>>("sizes");   // the window is given after both notes show
    const QStringList neighbours{"txtx", "txty"}, apart{"cmdDraw", "Text3"};
    QTest::newRow("neighbours, at the window's own size") << neighbours << QList<QSize>{};
    QTest::newRow("neighbours, after the window grew") << neighbours << QList<QSize>{{600, 400}};
    QTest::newRow("neighbours, grown and back") << neighbours << QList<QSize>{{600, 400}, {312, 228}};
    QTest::newRow("Draw and thickness, after the window grew") << apart << QList<QSize>{{600, 400}};
}

void Form1WindowTest::notesStandApart()
{
    QFETCH(QStringList, controls);
    QFETCH(QList<QSize>, sizes);
    for (const QString& control : controls) {
        platform::runHandler(find<QWidget>(control.toUtf8().constData()), [&control] {
            throw platform::FormsError(
                ("The " + control + " refuses what it was given: long enough for two lines.").toStdString());
        });
    }
    for (const QSize& size : sizes)
        m_window.window()->resize(size);
    QCoreApplication::processEvents();

    const auto notes = m_window.window()->findChildren<platform::Note*>();
    QCOMPARE(notes.size(), 2);
    const QRect sheet = surface()->contentsRect().translated(surface()->pos());
    const int line = m_window.window()->fontMetrics().lineSpacing();
    for (const platform::Note* note : notes) {
        QVERIFY(note->isVisible() && m_window.window()->rect().contains(note->geometry()));
        QVERIFY2((note->geometry() & sheet).height() <= line + 2, qPrintable(note->text()));
        for (const QWidget* other : m_window.window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != note && other != surface() && other->isVisible() && other->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!note->geometry().intersects(other->geometry()), qPrintable(other->objectName()));
        }
    }
    QVERIFY(!notes[0]->geometry().intersects(notes[1]->geometry()));
    QCOMPARE(m_window.shownNotes().last(), notes[1]->text()); // the newest whole
}

enum class ReportEnd {
    Escape,
    EscapeWhileDrawIsHeld,
    ClickOnIt,
    DoubleClickOnIt,
    LaterHandlerRunsToItsEnd,
    NewerReportReplacesIt,
    TwoRaisedWhileAButtonIsHeld,
};

void Form1WindowTest::reportGoesAway_data()
{
    QTest::addColumn<ReportEnd>("end");
    QTest::addColumn<QString>("stillShown"); // empty when no report should show

    QTest::newRow("Escape") << ReportEnd::Escape << "";
    QTest::newRow("not Escape that cancels a held-down Draw")
        << ReportEnd::EscapeWhileDrawIsHeld
        << "The pen width \"0\" is too small: pen widths from 1 to 32767 are allowed.";
    QTest::newRow("a click on it") << ReportEnd::ClickOnIt << "";
    QTest::newRow("a double click on it") << ReportEnd::DoubleClickOnIt << "";
    QTest::newRow("a later handler that runs to its end") << ReportEnd::LaterHandlerRunsToItsEnd << "";
    QTest::newRow("a newer report replaces it") << ReportEnd::NewerReportReplacesIt
                                                << "The pen width \"-3\" is too small: pen widths from 1 to 32767 are "
                                                   "allowed.";
    QTest::newRow("of two raised while a button is held, the newer shows")
        << ReportEnd::TwoRaisedWhileAButtonIsHeld << "Second";
}

void Form1WindowTest::reportGoesAway()
{
    QFETCH(ReportEnd, end);
    QFETCH(QString, stillShown);

    type("Text3", "0");
    m_window.letTypingPause();
    auto* box = find<QLineEdit>("Text3");
    QWidget* keepsFocus = box;
    QCOMPARE(m_window.shownReports().size(), 1);
    QWidget* report = m_window.shownReports().first();
    QWindow* window = m_window.window()->windowHandle();

    switch (end) {
    case ReportEnd::Escape:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    case ReportEnd::EscapeWhileDrawIsHeld: {
        auto* draw = find<QPushButton>("cmdDraw");
        draw->setFocus();
        QTest::keyPress(draw, Qt::Key_Space);
        QTest::keyClick(draw, Qt::Key_Escape);
        QTest::keyRelease(draw, Qt::Key_Space);
        QVERIFY(inkedPixels().isEmpty());
        keepsFocus = draw;
        break;
    }
    case ReportEnd::ClickOnIt:
        QTest::mouseClick(window, Qt::LeftButton, {}, report->geometry().center());
        break;
    case ReportEnd::DoubleClickOnIt:
        QTest::mouseDClick(window, Qt::LeftButton, {}, report->geometry().center());
        break;
    case ReportEnd::LaterHandlerRunsToItsEnd:
        QTest::keyClick(box, Qt::Key_5);
        break;
    case ReportEnd::NewerReportReplacesIt:
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, "-3");
        break;
    case ReportEnd::TwoRaisedWhileAButtonIsHeld:
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(150, 150));
        platform::runHandler(box, [] { throw platform::FormsError("First"); });
        platform::runHandler(box, [] { throw platform::FormsError("Second"); });
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(150, 150));
        break;
    }
    QCoreApplication::processEvents();
    m_window.letTypingPause();

    QCOMPARE(m_window.shownReports().size(), stillShown.isEmpty() ? 0 : 1);
    QCOMPARE(m_window.shownReportText(), stillShown);
    if (end != ReportEnd::TwoRaisedWhileAButtonIsHeld)
        QCOMPARE(QApplication::focusWidget(), keepsFocus); // whatever took it away left the focus alone

    if (end == ReportEnd::Escape) {
        QCOMPARE(box->text(), QString("0"));
        // With no report on screen, Escape is the box's again.
        QSignalSpy edited(box, &QLineEdit::textEdited);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Escape);
        QTest::keyClick(box, Qt::Key_7);
        QCOMPARE(box->text(), QString("07"));
        QCOMPARE(edited.size(), 1);
    }
}

struct Thrown {
    int code;
};

void Form1WindowTest::whateverAHandlerThrowsIsReported_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("a refusal") << 0 << "Something the person should read.";
    QTest::newRow("a standard error") << 1 << "Something went wrong inside the program: vector";
    QTest::newRow("memory running out") << 2 << "The program ran out of memory; what was drawn so far is kept.";
    QTest::newRow("anything else") << 3 << "Something went wrong inside the program; what was drawn so far is kept.";
}

void Form1WindowTest::whateverAHandlerThrowsIsReported()
{
    QFETCH(int, kind);
    QFETCH(QString, message);
    type("Text3", "1");
    platform::runHandler(find<QWidget>("Text3"), [kind] {
        switch (kind) {
        case 0:
            throw platform::FormsError("Something the person should read.");
        case 1:
            throw std::length_error("vector");
        case 2:
            throw std::bad_alloc();
        default:
            throw Thrown{kind};
        }
    });
    QCOMPARE(m_window.shownReportText(), message);

    // The program goes on.
    type("txtx", "150");
    type("txty", "150");
    pressDraw();
    QCOMPARE(inkedPixels(), QList<QPoint>{QPoint(10, 10)});
}

void Form1WindowTest::pointsSurviveResizingTheWindow()
{
    type("txtx", "1200");
    type("txty", "600");
    pressDraw();
    QWidget* window = m_window.window();
    window->resize(100, 100);
    QCOMPARE(surface()->geometry(), QRect(8, 88, 289, 113)); // nothing moves or resizes
    window->resize(600, 500);
    QCOMPARE(surface()->geometry(), QRect(8, 88, 289, 113));
    QCOMPARE(inkedPixels(), QList<QPoint>{QPoint(80, 40)});
}

namespace {
// Collects the areas a widget is asked to paint.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void Form1WindowTest::pressRepaintsOnlyAroundThePoint()
{
    m_window.form().pictureBox("Picture1").setDrawWidth(5);
    type("txtx", "1200");
    type("txty", "600");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to the thickness box
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to Draw
    QCoreApplication::processEvents();                         // the cross at the point typed goes with the focus
    PaintRecorder recorder;
    surface()->installEventFilter(&recorder);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTRY_VERIFY(!recorder.painted.isEmpty());

    // The point's pixel (80, 40) lies at (82, 42) in the surface, inside its border.
    const QRect aroundThePoint = QRect(82 - 2, 42 - 2, 5, 5).adjusted(-2, -2, 2, 2);
    QVERIFY2(aroundThePoint.contains(recorder.painted.boundingRect()),
             qPrintable(QString("painted %1,%2 %3x%4")
                            .arg(recorder.painted.boundingRect().x())
                            .arg(recorder.painted.boundingRect().y())
                            .arg(recorder.painted.boundingRect().width())
                            .arg(recorder.painted.boundingRect().height())));
    QCOMPARE(inkedPixels().size(), 21);
}

QTEST_MAIN(Form1WindowTest)
#include "tst_form1window.moc"
