// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/drawing.h"
#include "picture/picturemenu.h"
#include "picture/picturewriter.h"
#include "platform/drawingsurface.h"
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

class PictureTest : public QObject {
    Q_OBJECT

    WindowFixture m_window;

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_window.open());
        for (auto [x, y, width, colour] :
             {std::tuple(1200, 600, 10, 0x000000), {3000, 600, 10, 0xFF0000}, {450, 1350, 1, 0x0000FF}}) {
            QVERIFY(!m_window.surface()->setDrawWidth(std::int16_t(width)).failed());
            m_window.surface()->plot(x, y, colour);
        }
    }
    void cleanup() { m_window.close(); }

    void pictureLeavesAsShown_data()
    {
        // The file saved over an old one (none for the clipboard, "print" for the printer), then
        // what the note says (none for a save that works).
        QTest::addColumn<QString>("saving");
        QTest::newRow("Ctrl+C on the drawing area") << "|";
        // Printed at 1200 dots per inch and seen at the screen's 96: X 1200 and X 3000 1.25 in apart.
        QTest::newRow("printed") << "print|";
        QTest::newRow("PNG") << "old.png|";
        QTest::newRow("SVG named in capitals") << "new.SVG|";
        QTest::newRow("PNG on a full disk") << "old.png|\"old.png\": File too large";
        QTest::newRow("SVG on a full disk") << "old.svg|\"old.svg\": File too large";
        QTest::newRow("neither PNG nor SVG") << "old.jpg|\"old.jpg\": pictures are saved as PNG (.png) or SVG";
        QTest::newRow("folder gone") << "gone/new.png|\"new.png\": No such file or directory";
    }
    void pictureLeavesAsShown()
    {
        QFETCH(QString, saving);
        const QString name = saving.section('|', 0, 0), failure = saving.section('|', 1);
        QTemporaryDir folder;
        const QByteArray old(300, 'x');
        const QStringList before = {"old.png", "old.svg"};
        for (const QString& oldName : before) {
            QFile oldFile(folder.filePath(oldName));
            QVERIFY(oldFile.open(QIODevice::WriteOnly) && oldFile.write(old) == old.size());
        }
        // Files may grow to 64 bytes only: writing past that fails as on a full disk.
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{64, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, failure.contains("large") ? &full : &unlimited);
        if (name.isEmpty()) {
            m_window.surface()->setFocus();
            QTest::keyClick(m_window.surface(), Qt::Key_C, Qt::ControlModifier);
        } else if (name != "print") {
            m_window.surface()->findChild<picture::Drawing*>()->saveTo(folder.filePath(name));
        }
        setrlimit(RLIMIT_FSIZE, &unlimited);
        const QString report = m_window.shownReportText();
        QVERIFY2(report.contains(failure) && report.isEmpty() == failure.isEmpty(), qPrintable(report));
        if (!failure.isEmpty()) {
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);
            QFile kept(folder.filePath(before.contains(name) ? name : before[0]));
            QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == old);
            return;
        }

        const QImage shown = m_window.drawingArea();
        if (name.isEmpty() || name.endsWith(QLatin1String(".png"))) {
            QImage read = QApplication::clipboard()->image();
            QVERIFY(name.isEmpty() || read.load(folder.filePath(name), "PNG"));
            QCOMPARE(read.convertToFormat(QImage::Format_RGB32), shown);
            return;
        }
        QImage read = shown;
        read.fill(Qt::white);
        QPainter painter(&read);
        if (name == "print") {
            painter.scale(96.0 / 1200, 96.0 / 1200);
            picture::paintPicture(painter, m_window.surface()->dots(), shown.size(), 1200);
        } else {
            QSvgRenderer(folder.filePath(name)).render(&painter);
        }
        painter.end();
        // Drawn anew, each disc in place and of its size, of its colour where wider than a pixel.
        for (const QPoint centre : {QPoint(80, 40), QPoint(200, 40), QPoint(30, 90)}) {
            const QRect around(centre - QPoint(7, 7), QSize(15, 15));
            QCOMPARE(inkBounds(read, around), inkBounds(shown, around));
            QVERIFY(inkBounds(shown, around).width() == 1 || read.pixel(centre) == shown.pixel(centre));
        }
    }
};

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
