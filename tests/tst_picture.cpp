// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/drawingsurface.h"
#include "platform/picturemenu.h"
#include "platform/picturewriter.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// The smallest rectangle holding every pixel of the part of image that is not white.
static QRect inkBounds(const QImage& image, const QRect& part)
{
    QRect bounds;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            bounds |= image.pixel(x, y) != qRgb(255, 255, 255) ? QRect(x, y, 1, 1) : QRect();
    return bounds;
}

// What can be done with the picture: copied, saved and printed.
class PictureTest : public QObject {
    Q_OBJECT

    WindowFixture m_window;
    platform::PictureMenu* menu() const { return m_window.surface()->findChild<platform::PictureMenu*>(); }
    void draw(float x, float y, std::int16_t width, platform::ColourValue colour)
    {
        QVERIFY(!m_window.surface()->setDrawWidth(width).failed());
        m_window.surface()->plot(x, y, colour);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_window.open());
        draw(1200, 600, 9, 0x000000);
        draw(3000, 900, 10, 0xFF0000);
        draw(450, 1350, 1, 0x0000FF);
    }
    void cleanup() { m_window.close(); }

    void pictureLeavesAsShown_data()
    {
        QTest::addColumn<QString>("name"); // of the file saved, none for the clipboard
        QTest::newRow("Ctrl+C on the drawing area") << "";
        QTest::newRow("PNG") << "dots.png";
        QTest::newRow("SVG") << "dots.svg";
        QTest::newRow("SVG named in capitals") << "DOTS.SVG";
    }
    void pictureLeavesAsShown()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QImage shown = m_window.drawingArea();
        QImage read = shown;
        read.fill(Qt::white);
        QSvgRenderer svg;
        if (name.isEmpty()) {
            m_window.surface()->setFocus();
            QTest::keyClick(m_window.surface(), Qt::Key_C, Qt::ControlModifier);
            read = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        } else if (menu()->saveTo(folder.filePath(name)); svg.load(folder.filePath(name))) {
            QPainter painter(&read);
            svg.render(&painter);
        } else {
            QVERIFY(read.load(folder.filePath(name), "PNG"));
        }
        QCOMPARE(m_window.shownReportText(), QString());
        if (!svg.isValid())
            QCOMPARE(read.convertToFormat(QImage::Format_RGB32), shown);
        // Drawn anew, each disc in place and of its size, of its colour wherever wider than a pixel.
        for (const QPoint centre : {QPoint(80, 40), QPoint(200, 60), QPoint(30, 90)}) {
            const QRect around(centre - QPoint(7, 7), QSize(15, 15));
            QCOMPARE(inkBounds(read, around), inkBounds(shown, around));
            QCOMPARE(read.pixel(centre) == shown.pixel(centre), inkBounds(shown, around).width() > 1 || !svg.isValid());
        }
    }

    void failedSaveKeepsEverything_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason");
        QTest::newRow("PNG on a full disk") << "old.png" << true << "File too large";
        QTest::newRow("SVG on a full disk") << "old.svg" << true << "File too large";
        QTest::newRow("folder gone") << "gone/new.png" << false << "No such file or directory";
    }
    void failedSaveKeepsEverything()
    {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QByteArray old(300, 'x');
        for (const char* oldName : {"old.png", "old.svg"}) {
            QFile oldFile(folder.filePath(QLatin1String(oldName)));
            QVERIFY(oldFile.open(QIODevice::WriteOnly) && oldFile.write(old) == old.size());
        }
        // Files may grow to 64 bytes only: writing past that fails as on a full disk.
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{64, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, diskFull ? &full : &unlimited);
        menu()->saveTo(folder.filePath(name));
        setrlimit(RLIMIT_FSIZE, &unlimited);

        QVERIFY(m_window.shownReportText().contains(reason));
        QVERIFY(m_window.shownReportText().contains(QFileInfo(name).fileName()));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"old.png", "old.svg"}));
        QFile kept(folder.filePath(name));
        QCOMPARE(kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray(), diskFull ? old : QByteArray());
        QCOMPARE(m_window.surface()->pointsDrawn(), 3);
    }

    // Two discs 10 pixels across, at X 1200 and X 3000: 1.25 in apart and 10/96 in across.
    void printedDotsHaveTrueSize_data()
    {
        QTest::addColumn<double>("dotsPerInch");
        QTest::newRow("300 dpi") << 300.0;
        QTest::newRow("1200 dpi, as a PDF") << 1200.0;
    }
    void printedDotsHaveTrueSize()
    {
        QFETCH(double, dotsPerInch);
        m_window.surface()->clear();
        draw(1200, 600, 10, 0x000000);
        draw(3000, 600, 10, 0x000000);
        const QSize area = m_window.surface()->contentsRect().size();
        QImage paper((QSizeF(area) * dotsPerInch / 96).toSize(), QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter painter(&paper);
        platform::paintPicture(painter, m_window.surface()->dots(), area, dotsPerInch);
        const int half = paper.width() / 2;
        const QRect left = inkBounds(paper, QRect(0, 0, half, paper.height()));
        const QRect right = inkBounds(paper, QRect(half, 0, half, paper.height()));
        QVERIFY(qAbs(right.center().x() - left.center().x() - 1.25 * dotsPerInch) <= 1);
        QVERIFY(qAbs(left.width() - 10 * dotsPerInch / 96) <= 1);
        QVERIFY(qAbs(right.height() - 10 * dotsPerInch / 96) <= 1);
    }
};

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
