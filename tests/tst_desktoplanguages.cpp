// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/drawingsurface.h"
#include "platform/translation.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <optional>

// The window in each language the program speaks: every text translated, colour entries that
// still start with their numbers, captions whole with the real font, and the toolkit's own
// texts in the same language.
class DesktopLanguagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        m_window.close();
        m_translations.reset();
    }

    void everyTextInTheChosenLanguage_data();
    void everyTextInTheChosenLanguage();

private:
    // Every text the window shows or gives assistive technology, in a fixed order.
    QStringList texts() const
    {
        QStringList all{m_window.window()->windowTitle()};
        for (auto* label : m_window.window()->findChildren<QLabel*>())
            all << label->text();
        all << m_window.find<QPushButton>("cmdDraw")->text();
        auto* list = m_window.find<QComboBox>("Combo1");
        for (int i = 0; i < list->count(); ++i)
            all << list->itemText(i);
        QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(m_window.surface());
        all << surface->text(QAccessible::Name) << surface->text(QAccessible::Description);
        return all;
    }

    // How much of a caption shows: a label reaches under the boxes to its right.
    int visibleWidth(const QWidget* caption) const
    {
        int right = caption->geometry().right() + 1;
        for (auto* other : m_window.window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect box = other->geometry();
            if (other != caption && !qobject_cast<QLabel*>(other) && other->isVisible() &&
                box.intersects(caption->geometry()))
                right = std::min(right, box.left());
        }
        return right - caption->x();
    }

    WindowFixture m_window;
    std::optional<platform::Translations> m_translations;
};

void DesktopLanguagesTest::everyTextInTheChosenLanguage_data()
{
    QTest::addColumn<QStringList>("languages"); // the person's, most wanted first
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("colour4");
    QTest::addColumn<QStringList>("counts"); // after one press of Draw, then after two
    QTest::addColumn<QString>("undo");       // the first entry of a text box's context menu
    QTest::addColumn<QStringList>("sameAsEnglish");

    const QStringList all{"*"};
    QTest::newRow("C") << QStringList{"C"} << "Draw dots"
                       << "4 Red" << QStringList{"1 point drawn", "2 points drawn"} << "&Undo\tCtrl+Z" << all;
    QTest::newRow("English before German")
        << QStringList{"en-GB", "de"} << "Draw dots"
        << "4 Red" << QStringList{"1 point drawn", "2 points drawn"} << "&Undo\tCtrl+Z" << all;
    QTest::newRow("de") << QStringList{"de-DE", "de"} << "Punkte zeichnen"
                        << "4 Rot" << QStringList{"1 Punkt gezeichnet", "2 Punkte gezeichnet"} << "&Rückgängig\tStrg+Z"
                        << QStringList{"3 Cyan", "5 Magenta"};
    QTest::newRow("fr after a language not spoken") << QStringList{"es-ES", "fr_FR.UTF-8"} << "Dessiner des points"
                                                    << "4 Rouge" << QStringList{"1 point dessiné", "2 points dessinés"}
                                                    << "&Annuler\tCtrl+Z" << QStringList{"3 Cyan", "5 Magenta"};
}

void DesktopLanguagesTest::everyTextInTheChosenLanguage()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, title);
    QFETCH(QString, colour4);
    QFETCH(QStringList, counts);
    QFETCH(QString, undo);
    QFETCH(QStringList, sameAsEnglish);

    QVERIFY(m_window.open());
    const QStringList english = texts();
    m_window.close();
    m_translations.emplace(languages);
    QVERIFY(m_window.open());
    const QStringList shown = texts();

    QCOMPARE(shown.size(), english.size());
    QStringList untranslated;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QVERIFY2(!shown[i].isEmpty(), qPrintable(english[i]));
        if (shown[i] == english[i])
            untranslated << shown[i];
    }
    QCOMPARE(untranslated, sameAsEnglish == QStringList{"*"} ? english : sameAsEnglish);
    QCOMPARE(shown.first(), title);

    auto* list = m_window.find<QComboBox>("Combo1");
    QCOMPARE(list->itemText(4), colour4);
    for (int i = 0; i < list->count(); ++i)
        QCOMPARE(list->itemText(i).section(' ', 0, 0), QString::number(i));
    // The colour picked by its translated entry is the one its number names.
    m_window.click("Combo1");
    list->setCurrentIndex(12);
    m_window.click("txtx");
    QCOMPARE(m_window.form1().colorIndex, 12);

    for (auto* caption : m_window.window()->findChildren<QWidget*>()) {
        if ((qobject_cast<QLabel*>(caption) || qobject_cast<QPushButton*>(caption)) && caption->isVisible())
            QVERIFY2(caption->sizeHint().width() <= visibleWidth(caption), qPrintable(caption->objectName()));
    }

    QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(m_window.surface());
    for (const QString& count : counts) {
        m_window.pressDraw();
        QCOMPARE(surface->text(QAccessible::Description), count);
        QCOMPARE(surface->child(0)->text(QAccessible::Name), count);
    }

    std::unique_ptr<QMenu> menu(m_window.find<QLineEdit>("txtx")->createStandardContextMenu());
    QCOMPARE(menu->actions().first()->text(), undo);
}

QTEST_MAIN(DesktopLanguagesTest)
#include "tst_desktoplanguages.moc"
