// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/history.h"
#include "picture/picturemenu.h"
#include "platform/drawingsurface.h"
#include "platform/form.h"
#include "platform/formserror.h"
#include "platform/translation.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(platform::FormDescription)

// What a screen reader is told that the AT-SPI test in tests/screenreader does not reach (which
// points count, which control a label names), and that the keyboard alone does everything the
// mouse does.
class DesktopAccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_window.open()); }
    void cleanup() { m_window.close(); }

    void descriptionCountsThePointsDrawn_data();
    void descriptionCountsThePointsDrawn();
    void menuOpensFromTheKeyboardOnItsFirstItem_data();
    void menuOpensFromTheKeyboardOnItsFirstItem();
    void pointOnTheAreaIsHeardWithWhatLiesThere_data();
    void pointOnTheAreaIsHeardWithWhatLiesThere();
    void everythingCanBeDoneWithTheKeyboardAlone();

    void labelNamesTheControlItStandsFor_data();
    void labelNamesTheControlItStandsFor();
    void accessKeyInACaptionFocusesItsControl();
    void labelStandingForNoControlIsRefused();

private:
    static QString accessibleText(QWidget* widget, QAccessible::Text text)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face ? face->text(text) : QStringLiteral("<no accessible interface>");
    }

    WindowFixture m_window;
};

void DesktopAccessibilityTest::descriptionCountsThePointsDrawn_data()
{
    // "X Y [width]" in twips, one Draw each; "clear" by Shift+F10, "right click clear"; "undo" and
    // "redo" by Ctrl+Z and Ctrl+Shift+Z ("redo y": Ctrl+Y) from the Draw button, "undo in a box"
    // from the X box; "... action" triggers the menu's item itself, hidden or not, as assistive
    // technology can (and as the tests must where a click follows: on Qt's offscreen platform the
    // next press would activate the menu's window again).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("offered"); // the menu's steps and Clear, as they can be chosen at the end

    const QStringList dotUndoClear{"Undo dot", "Clear"};
    QTest::newRow("each press counts, even at the same place")
        << QStringList{"1200 600", "1200 600", "150 150"} << "3 points drawn" << dotUndoClear;
    QTest::newRow("a point beside the sheet leaves no ink, is not counted and is no step")
        << QStringList{"1200 600", "-300 600", "undo"} << "No points drawn" << QStringList{"Redo dot"};
    QTest::newRow("a refused point is not counted")
        << QStringList{"1200 600", "1e39 600"} << "1 point drawn" << dotUndoClear;
    QTest::newRow("clear") << QStringList{"1200 600", "150 150", "clear"} << "No points drawn"
                           << QStringList{"Undo clear"};
    QTest::newRow("clear taken back") << QStringList{"1200 600", "150 150", "clear", "undo"} << "2 points drawn"
                                      << QStringList{"Undo dot", "Redo clear", "Clear"};
    QTest::newRow("clear by a right click")
        << QStringList{"1200 600", "right click clear"} << "No points drawn" << QStringList{"Undo clear"};
    QTest::newRow("a dot after a clear is the step undone")
        << QStringList{"1200 600", "clear action", "150 150", "undo"} << "No points drawn"
        << QStringList{"Undo clear", "Redo dot"};
    QTest::newRow("a dot over another gives back the pixels under it")
        << QStringList{"1200 600 9", "1245 630 9", "undo", "redo", "undo"} << "1 point drawn"
        << QStringList{"Undo dot", "Redo dot", "Clear"};
    QTest::newRow("redone with either key")
        << QStringList{"1200 600", "150 150", "undo", "undo", "redo", "redo y"} << "2 points drawn" << dotUndoClear;
    QTest::newRow("steps that are not there do nothing, even through hidden items")
        << QStringList{"undo action", "1200 600", "clear action", "undo",         "redo",   "redo action",
                       "undo",        "undo",     "undo action",  "clear anyway", "150 150"}
        << "1 point drawn" << dotUndoClear;
    QTest::newRow("a text box keeps its own Ctrl+Z")
        << QStringList{"1200 600", "undo in a box"} << "1 point drawn" << dotUndoClear;
    QStringList hundred;
    for (int step = 0; step < 100; ++step)
        hundred << QString("%1 %2 %3").arg(150 + step * 40).arg(300 + step % 7 * 150).arg(1 + step % 9);
    for (const char* way : {"undo", "redo"})
        for (int step = 0; step < 100; ++step)
            hundred << way;
    QTest::newRow("a hundred steps back and forth") << hundred << "100 points drawn" << dotUndoClear;
}

void DesktopAccessibilityTest::descriptionCountsThePointsDrawn()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, description);
    QFETCH(QStringList, offered);

    auto* surface = m_window.surface();
    auto* menu = surface->findChild<picture::PictureMenu*>();
    const auto item = [menu](const char* text) {
        for (QAction* action : menu->menu()->actions())
            if (action->text().remove('&') == text)
                return action;
        return static_cast<QAction*>(nullptr);
    };
    // What the person sees and hears after each step taken, the current one at `at`.
    using State = std::pair<QImage, QString>;
    const auto now = [&] { return State{m_window.drawingArea(), accessibleText(surface, QAccessible::Description)}; };
    QList<State> states{now()};
    qsizetype at = 0;
    for (const QString& step : steps) {
        const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        if (step == "clear" || step == "right click clear") {
            surface->setFocus();
            if (step == "clear")
                QTest::keyClick(surface, Qt::Key_F10, Qt::ShiftModifier);
            else
                QTest::mouseClick(m_window.window()->windowHandle(), Qt::RightButton, {}, surface->geometry().center());
            // The menu takes the activation on Qt's offscreen platform, and gives it back.
            QTRY_VERIFY(QApplication::activePopupWidget() && QApplication::activePopupWidget()->isActiveWindow());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_L); // C&lear
            QTRY_VERIFY(m_window.window()->isActiveWindow() && !QApplication::activePopupWidget());
        } else if (step == "undo" || step == "redo" || step == "redo y") {
            key(step == "redo y" ? Qt::Key_Y : Qt::Key_Z,
                step == "redo" ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        } else if (step == "undo in a box") {
            m_window.click("txtx");
            key(Qt::Key_Z, Qt::ControlModifier);
        } else if (step.endsWith("action")) {
            item(step == "undo action" ? "Undo dot" : step == "redo action" ? "Redo dot" : "Clear")->trigger();
        } else if (step == "clear anyway") {
            menu->history().clear();
        } else {
            const QStringList xy = step.split(' ');
            if (xy.size() > 2)
                m_window.type("Text3", xy[2]);
            m_window.type("txtx", xy[0]);
            m_window.type("txty", xy[1]);
            m_window.pressDraw();
        }
        if (step.startsWith("undo") && step != "undo in a box")
            at = qMax<qsizetype>(at - 1, 0);
        else if (step.startsWith("redo"))
            at = qMin(at + 1, states.size() - 1);
        else if (now() != states[at]) // a new step forgets those undone
            states.resize(++at), states << now();
        QVERIFY2(now() == states[at], qPrintable(step));
    }
    QCOMPARE(accessibleText(surface, QAccessible::Description), description);
    QStringList canChoose;
    for (QAction* action : menu->menu()->actions()) {
        const QString text = action->text().remove('&');
        if (action->isVisible() && action->isEnabled() &&
            QRegularExpression("^(Undo|Redo|Clear)").match(text).hasMatch())
            canChoose << text;
    }
    QCOMPARE(canChoose, offered);
}

void DesktopAccessibilityTest::menuOpensFromTheKeyboardOnItsFirstItem_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("asRequest"); // the Menu key also sent as a request for a menu, as X11 sends it
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << false;
    QTest::newRow("Menu key") << int(Qt::Key_Menu) << false;
    QTest::newRow("Menu key with a request for a menu") << int(Qt::Key_Menu) << true;
}

void DesktopAccessibilityTest::menuOpensFromTheKeyboardOnItsFirstItem()
{
    QFETCH(int, key);
    QFETCH(bool, asRequest);
    QWidget* surface = m_window.surface();
    surface->setFocus();
    QTest::keyClick(surface, Qt::Key(key), key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
    if (asRequest) {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(200, 50), surface->mapToGlobal(QPoint(200, 50)));
        QApplication::sendEvent(surface, &request);
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu && menu->activeAction());
    QCOMPARE(menu->activeAction()->text(), QString("&Copy picture"));
    QCOMPARE(menu->pos(), surface->mapToGlobal(QPoint(4, 4)));
    menu->close();
}

void DesktopAccessibilityTest::pointOnTheAreaIsHeardWithWhatLiesThere_data()
{
    // The language, what is done on the drawing area (WindowFixture::point(), and "clear", "undo",
    // "wider", "held Right" twenty times), and what a screen reader is told. A red dot lies at X 1200, a
    // bright white one at X 1230, Y 600; the colour list holds another colour.
    QTest::addColumn<QString>("heard");
    QTest::newRow("nothing drawn") << "|Right|1215, 600: nothing drawn";
    QTest::newRow("a red dot, only the last of two moves told") << "|Right, Left|1200, 600: 4 Red dot";
    QTest::newRow("a white dot on the white sheet") << "|Right, Right|1230, 600: 15 Bright White dot";
    QTest::newRow("a click") << "|click 82 40|1230, 600: 15 Bright White dot";
    QTest::newRow("a dot cleared away") << "|clear, Right, Left|1200, 600: nothing drawn";
    QTest::newRow("a clear taken back") << "|clear, undo, Right, Right|1230, 600: 15 Bright White dot";
    QTest::newRow("Right held down, told once") << "|held Right|1500, 600: nothing drawn";
    QTest::newRow("a white dot where the area grew") << "|wider, Right, Left|6000, 600: 15 Bright White dot";
    QTest::newRow("in German, a red dot") << "de|Right, Left|1200, 600: Punkt 4 Rot";
    QTest::newRow("in German, nothing drawn") << "de|Up|1200, 585: nichts gezeichnet";
}

void DesktopAccessibilityTest::pointOnTheAreaIsHeardWithWhatLiesThere()
{
    QFETCH(QString, heard);
    const QStringList part = heard.split('|');
    std::optional<platform::Translations> translations;
    if (!part[0].isEmpty()) {
        m_window.close();
        translations.emplace(QStringList{part[0]});
        QVERIFY(m_window.open());
    }
    for (const auto& [x, colour] : {std::pair("1200", 4), std::pair("1230", 15)}) {
        m_window.form1().colorIndex = std::int16_t(colour);
        m_window.type("txtx", x);
        m_window.type("txty", "600");
        m_window.pressDraw();
    }
    m_window.type("txtx", "1200");
    m_window.form1().colorIndex = 12;
    m_window.find<QComboBox>("Combo1")->setCurrentIndex(12);
    for (const QString& step : part[1].split(", ")) {
        if (step == "clear" || step == "undo") {
            picture::History& history = m_window.surface()->findChild<picture::PictureMenu*>()->history();
            step == "clear" ? history.clear() : history.undo();
        } else if (step == "wider") { // a white dot drawn at X 6000
            m_window.surface()->resize(500, 113);
            m_window.form1().colorIndex = 15;
            m_window.type("txtx", "6000");
            m_window.pressDraw();
        } else if (step == "held Right") {
            for (int repeat = 0; repeat < 20; ++repeat) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), repeat > 0);
                QApplication::sendEvent(m_window.surface(), &press);
            }
        } else {
            m_window.point(step);
        }
    }
    // Nothing while the moves go on; once they pause, the last point.
    QCOMPARE(m_window.toldOfTheArea(), QString());
    QTRY_COMPARE(m_window.toldOfTheArea(), part[2]);
    // Each of the area's notifications knows its place among its children, as AT-SPI asks it.
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(m_window.surface());
    for (int i = 0; i < area->childCount(); ++i)
        QCOMPARE(area->indexOfChild(area->child(i)), i);
}

void DesktopAccessibilityTest::everythingCanBeDoneWithTheKeyboardAlone()
{
    const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    auto* list = m_window.find<QComboBox>("Combo1");

    QCOMPARE(QApplication::focusWidget(), m_window.surface());
    // A screen reader can tell of the drawing area's keys.
    QCOMPARE(accessibleText(m_window.surface(), QAccessible::Help),
             "Shift+F10 or the Menu key opens a menu to undo, copy, open, save, print or clear the picture. The arrow "
             "keys move the point to draw at, by ten pixels with Shift; Enter draws there.");
    key(Qt::Key_Tab);
    QVERIFY(list->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == list);
    key(Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(list->view()->isVisible());
    // Down until the highlight is on the entry wanted, as a person watching the list does.
    for (int presses = 0; presses < 16 && list->view()->currentIndex().data().toString() != "12 Light Red"; ++presses)
        QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    QTRY_VERIFY(!list->view()->isVisible());
    QCOMPARE(list->currentText(), QString("12 Light Red"));

    key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "1200");
    key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "600");
    key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "3");
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window.find<QPushButton>("cmdDraw"));
    key(Qt::Key_Space);

    // A light red disc 3 pixels across around (80, 40), and nothing else.
    const QList<QPoint> inked = m_window.inkedPixels();
    QCOMPARE(inked.size(), 9);
    for (const QPoint& pixel : inked) {
        QVERIFY(qAbs(pixel.x() - 80) <= 1 && qAbs(pixel.y() - 40) <= 1);
        QCOMPARE(m_window.drawingArea().pixel(pixel), qRgb(0xFF, 0, 0));
    }
    QVERIFY(m_window.reports().isEmpty());
}

namespace {

// A window with one label "Caption" at (0, 0) 100 by 20 pixels, standing for `buddy`, and the
// given controls.
platform::FormDescription windowWithLabel(const std::string& buddy, std::vector<platform::ControlDescription> controls)
{
    using platform::ControlKind;
    platform::FormDescription form{"Probe", "Probe", 0, 0, 4500, 3000, 3, {}};
    form.controls.push_back({"Caption", ControlKind::Label, "Caption", 0, 0, 1500, 300, 0, buddy});
    for (platform::ControlDescription& control : controls)
        form.controls.push_back(std::move(control));
    return form;
}

} // namespace

void DesktopAccessibilityTest::labelNamesTheControlItStandsFor_data()
{
    using platform::ControlKind;
    QTest::addColumn<platform::FormDescription>("description");
    QTest::addColumn<QString>("named"); // empty when the label names no control

    // Positions in twips, 15 to a pixel; the label reaches from 0 to 1500 across.
    QTest::newRow("the control it stands for, not the one it reaches over")
        << windowWithLabel("Far", {{"Near", ControlKind::TextBox, "", 900, 0, 1200, 285, 1},
                                   {"Far", ControlKind::TextBox, "", 0, 1500, 1200, 285, 2}})
        << "Far";
    QTest::newRow("none where it stands for none")
        << windowWithLabel("", {{"Near", ControlKind::TextBox, "", 900, 0, 1200, 285, 1}}) << "";
}

void DesktopAccessibilityTest::labelNamesTheControlItStandsFor()
{
    QFETCH(platform::FormDescription, description);
    QFETCH(QString, named);

    platform::Form form(description);
    for (const platform::ControlDescription& control : description.controls) {
        if (control.name == "Caption")
            continue;
        QWidget* widget = form.widget()->findChild<QWidget*>(QString::fromStdString(control.name));
        const bool isNamed = QString::fromStdString(control.name) == named;
        QCOMPARE(accessibleText(widget, QAccessible::Name) == "Caption", isNamed);
    }
}

void DesktopAccessibilityTest::accessKeyInACaptionFocusesItsControl()
{
    using platform::ControlKind;
    platform::FormDescription description =
        windowWithLabel("Box", {{"Box", ControlKind::TextBox, "", 900, 0, 1200, 285, 2},
                                {"Other", ControlKind::TextBox, "", 0, 900, 1200, 285, 1}});
    description.controls[0].caption = "&Width && height";
    platform::Form form(description);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(form.widget()));
    auto* box = form.widget()->findChild<QLineEdit*>("Box");
    QCOMPARE(accessibleText(box, QAccessible::Name), QString("Width & height"));

    QCOMPARE(QApplication::focusWidget(), form.widget()->findChild<QLineEdit*>("Other"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), box);
}

void DesktopAccessibilityTest::labelStandingForNoControlIsRefused()
{
    QVERIFY_THROWS_EXCEPTION(platform::FormsError, platform::Form(windowWithLabel("Missing", {})));
}

QTEST_MAIN(DesktopAccessibilityTest)
#include "tst_desktopaccessibility.moc"
