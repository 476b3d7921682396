// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/drawingsurface.h"
#include "platform/picturemenu.h"
#include "platform/picturewriter.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// What can be done with the picture: copied, saved, printed, cleared and brought back.
class PictureTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_window.open());
        draw(1200, 600, 9, 0x000000);
        draw(3000, 900, 10, 0xFF0000);
        draw(450, 1350, 1, 0x0000FF);
    }
    void cleanup() { m_window.close(); }

    void copyTakesTheAreaOnlyFromTheSurface_data();
    void copyTakesTheAreaOnlyFromTheSurface();
    void savedPictureReadsBack_data();
    void savedPictureReadsBack();
    void failedSaveKeepsEverything_data();
    void failedSaveKeepsEverything();
    void printedDotsHaveTrueSize_data();
    void printedDotsHaveTrueSize();
    void clearAndUndoFromTheKeyboard_data();
    void clearAndUndoFromTheKeyboard();

private:
    void draw(float x, float y, std::int16_t width, platform::ColourValue colour)
    {
        QVERIFY(!m_window.surface()->setDrawWidth(width).failed());
        m_window.surface()->plot(x, y, colour);
    }
    platform::PictureMenu* menu() const { return m_window.surface()->findChild<platform::PictureMenu*>(); }

    WindowFixture m_window;
};

// The smallest rectangle holding every pixel that is not white.
static QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

void PictureTest::copyTakesTheAreaOnlyFromTheSurface_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("imageCopied");
    QTest::newRow("drawing area") << "Picture1" << true;
    QTest::newRow("a box keeps its own Ctrl+C") << "txtx" << false;
}

void PictureTest::copyTakesTheAreaOnlyFromTheSurface()
{
    QFETCH(QString, focus);
    QFETCH(bool, imageCopied);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    m_window.type("txtx", QStringLiteral("1200"));
    m_window.find<QWidget>(focus.toLatin1())->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.isNull(), !imageCopied);
    if (imageCopied)
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), m_window.drawingArea());
    else
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1200"));
}

void PictureTest::savedPictureReadsBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("PNG") << "dots.png";
    QTest::newRow("SVG") << "dots.svg";
    QTest::newRow("SVG named in capitals") << "DOTS.SVG";
}

void PictureTest::savedPictureReadsBack()
{
    QFETCH(QString, name);
    QTemporaryDir folder;
    menu()->saveTo(folder.filePath(name));
    QCOMPARE(m_window.shownReportText(), QString());
    const QImage shown = m_window.drawingArea();
    QImage read(shown.size(), QImage::Format_RGB32);
    read.fill(Qt::white);
    if (name.endsWith(QLatin1String("png"))) {
        QVERIFY(read.load(folder.filePath(name), "PNG"));
        QCOMPARE(read.convertToFormat(QImage::Format_RGB32), shown);
        return;
    }
    QSvgRenderer svg(folder.filePath(name));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.defaultSize(), shown.size());
    QPainter painter(&read);
    svg.render(&painter);
    painter.end();
    // Each dot in place and of its size: the same bounds as on screen; wider than a pixel,
    // the same colour in the middle.
    for (const QPoint centre : {QPoint(80, 40), QPoint(200, 60), QPoint(30, 90)}) {
        const QRect around(centre - QPoint(7, 7), QSize(15, 15));
        QCOMPARE(inkBounds(read.copy(around)), inkBounds(shown.copy(around)));
        if (inkBounds(shown.copy(around)).width() > 1)
            QCOMPARE(read.pixel(centre), shown.pixel(centre));
    }
}

void PictureTest::failedSaveKeepsEverything_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("reason");
    QTest::newRow("PNG on a full disk") << "old.png" << true << "File too large";
    QTest::newRow("SVG on a full disk") << "old.svg" << true << "File too large";
    QTest::newRow("folder gone") << "gone/new.png" << false << "No such file or directory";
}

void PictureTest::failedSaveKeepsEverything()
{
    QFETCH(QString, name);
    QFETCH(bool, diskFull);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QByteArray old(300, 'x');
    QFile oldFile(folder.filePath(QStringLiteral("old.png")));
    QVERIFY(oldFile.open(QIODevice::WriteOnly) && oldFile.write(old) == old.size());
    oldFile.close();
    QFile::copy(oldFile.fileName(), folder.filePath(QStringLiteral("old.svg")));
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);

    // Files may grow to 64 bytes only, and writing past that fails as on a full disk.
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{64, unlimited.rlim_max};
    if (diskFull)
        setrlimit(RLIMIT_FSIZE, &full);
    menu()->saveTo(folder.filePath(name));
    setrlimit(RLIMIT_FSIZE, &unlimited);

    QVERIFY2(m_window.shownReportText().contains(reason), qPrintable(m_window.shownReportText()));
    QVERIFY(m_window.shownReportText().contains(QFileInfo(name).fileName()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);
    QVERIFY(oldFile.open(QIODevice::ReadOnly));
    QCOMPARE(oldFile.readAll(), old);
    QCOMPARE(m_window.surface()->pointsDrawn(), 3);
}

void PictureTest::printedDotsHaveTrueSize_data()
{
    QTest::addColumn<double>("dotsPerInch");
    QTest::newRow("300 dpi") << 300.0;
    QTest::newRow("1200 dpi, as a PDF") << 1200.0;
}

void PictureTest::printedDotsHaveTrueSize()
{
    QFETCH(double, dotsPerInch);
    // Two discs 10 pixels across on one line, at X 1200 and X 3000: 1.25 in apart, 10/96 in across.
    m_window.surface()->clear();
    draw(1200, 600, 10, 0x000000);
    draw(3000, 600, 10, 0x000000);
    const QSize area = m_window.surface()->contentsRect().size();
    QImage paper((QSizeF(area) * dotsPerInch / 96).toSize(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    platform::paintPicture(painter, m_window.surface()->dots(), area, dotsPerInch);
    painter.end();
    const int half = paper.width() / 2;
    const QRect left = inkBounds(paper.copy(0, 0, half, paper.height()));
    const QRect right = inkBounds(paper.copy(half, 0, paper.width() - half, paper.height())).translated(half, 0);
    QVERIFY(qAbs(right.center().x() - left.center().x() - 1.25 * dotsPerInch) <= 1);
    QVERIFY(qAbs(left.width() - 10 * dotsPerInch / 96) <= 1);
    QVERIFY(qAbs(right.height() - 10 * dotsPerInch / 96) <= 1);
}

void PictureTest::clearAndUndoFromTheKeyboard_data()
{
    QTest::addColumn<QKeyCombination>("menuKey");
    QTest::addColumn<bool>("undoFromMenu");
    QTest::addColumn<bool>("dotBetween");
    QTest::newRow("Shift+F10, then Ctrl+Z") << (Qt::SHIFT | Qt::Key_F10) << false << false;
    QTest::newRow("Menu key, undone from the menu") << QKeyCombination(Qt::Key_Menu) << true << false;
    QTest::newRow("a dot drawn after the clear") << (Qt::SHIFT | Qt::Key_F10) << false << true;
}

void PictureTest::clearAndUndoFromTheKeyboard()
{
    QFETCH(QKeyCombination, menuKey);
    QFETCH(bool, undoFromMenu);
    QFETCH(bool, dotBetween);
    platform::DrawingSurface* surface = m_window.surface();
    const QImage drawn = m_window.drawingArea();
    const auto description = [surface] {
        return QAccessible::queryAccessibleInterface(surface)->text(QAccessible::Description);
    };
    const auto openMenu = [&] {
        surface->setFocus();
        QTest::keyClick(surface, menuKey.key(), menuKey.keyboardModifiers());
        QTRY_VERIFY(menu()->menu()->isVisible());
    };
    openMenu();
    for (int item = 0; item < 4; ++item) // Copy, Save, Print, Clear
        QTest::keyClick(menu()->menu(), Qt::Key_Down);
    QTest::keyClick(menu()->menu(), Qt::Key_Return);
    QTRY_VERIFY(m_window.inkedPixels().isEmpty());
    QCOMPARE(description(), QStringLiteral("No points drawn"));

    if (dotBetween)
        draw(150, 150, 1, 0x000000);
    if (undoFromMenu) {
        openMenu();
        QTest::keyClick(menu()->menu(), Qt::Key_Up); // the last item
        QTest::keyClick(menu()->menu(), Qt::Key_Return);
    } else {
        QTest::keyClick(surface, Qt::Key_Z, Qt::ControlModifier);
    }
    QTRY_COMPARE(m_window.drawingArea() == drawn, !dotBetween);
    QCOMPARE(description(), dotBetween ? QStringLiteral("1 point drawn") : QStringLiteral("3 points drawn"));
}

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
