// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/drawing.h"
#include "picture/drawingreader.h"
#include "picture/history.h"
#include "picture/picturemenu.h"
#include "picture/picturewriter.h"
#include "platform/drawingsurface.h"
#include "windowfixture.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <optional>
#include <sys/resource.h>

using platform::Dot;

// The smallest rectangle holding every pixel of the part of image that is not white.
static QRect inkBounds(const QImage& image, const QRect& part)
{
    QRect bounds;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            bounds |= image.pixel(x, y) != qRgb(255, 255, 255) ? QRect(x, y, 1, 1) : QRect();
    return bounds;
}

// Runs `answer` on the next modal dialog of that kind once it shows, from inside its own loop.
template <typename Dialog> static void whenShown(const std::function<void(Dialog*)>& answer)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

static QList<std::tuple<float, float, quint32, short>> dotsOf(const platform::DotStore& dots)
{
    QList<std::tuple<float, float, quint32, short>> list;
    dots.forEach([&](const Dot& dot) { list.append({dot.x, dot.y, dot.colour, dot.width}); });
    return list;
}

class PictureTest : public QObject {
    Q_OBJECT

    WindowFixture m_window;
    std::optional<QTemporaryDir> m_folder;

    picture::Drawing& drawing() const { return *m_window.surface()->findChild<picture::Drawing*>(); }
    QString path(const QString& name) const { return m_folder->filePath(name); }
    static void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // Saved as this program saves it before it had a namespace: each disc at its pixel.
    QByteArray savedBeforeNamespace() const
    {
        QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><svg xmlns=\"http://www.w3.org/2000/svg\" "
                         "width=\"285\" height=\"109\" viewBox=\"0 0 285 109\"><title>Draw dots</title>"
                         "<rect width=\"285\" height=\"109\" fill=\"#ffffff\"/>";
        m_window.surface()->dots().forEach([&](const Dot& dot) {
            const double shift = dot.width % 2 == 1 ? 0.5 : 1.0;
            svg += QString("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#%4\"/>")
                       .arg(std::floor(dot.x / 15) + shift)
                       .arg(std::floor(dot.y / 15) + shift)
                       .arg(dot.width / 2.0)
                       .arg(dot.colour, 6, 16, QLatin1Char('0'))
                       .toUtf8();
        });
        return svg + "</svg>";
    }
    QImage m_sheet; // as it was before the point was picked

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init()
    {
        m_folder.emplace();
        QVERIFY(m_window.open());
        for (auto [x, y, width, colour] : {std::tuple(1200.f, 600.f, 10, 0x000000),
                                           {3000, 600, 10, 0xFF0000},
                                           {450, 1350, 4, 0x008000},
                                           {2000.5f, 990.25f, 3, 0x000080}}) {
            QVERIFY(!m_window.surface()->setDrawWidth(std::int16_t(width)).failed());
            m_window.surface()->plot(x, y, colour);
        }
        // A point picked on the first dot: the cross marking it shows, and is never part of the picture.
        m_sheet = m_window.drawingArea();
        m_window.point("click 80 40");
        QVERIFY(!m_window.crossPixels().isEmpty());
    }
    void cleanup()
    {
        m_window.close();
        m_folder.reset();
    }

    void pictureLeavesAsShown_data()
    {
        // The file saved over an old one (none for the clipboard, "print" for the printer), what
        // the note says (none for a save that works), what happens while it is written.
        QTest::addColumn<QString>("saving");
        QTest::newRow("Ctrl+C on the drawing area") << "|";
        // Printed at 1200 dots per inch and seen at the screen's 96: X 1200 and X 3000 1.25 in apart.
        QTest::newRow("printed") << "print|";
        QTest::newRow("PNG") << "old.png|";
        QTest::newRow("SVG named in capitals") << "new.SVG|";
        QTest::newRow("PNG on a full disk") << "old.png|\"old.png\": File too large";
        QTest::newRow("SVG on a full disk") << "old.svg|\"old.svg\": File too large";
        QTest::newRow("neither PNG nor SVG, its long name cut short")
            << "a picture with a long name.jpg|\"a pict…name.jpg\": pictures are saved as .png or .svg. No file";
        QTest::newRow("neither PNG nor SVG, its name cut between characters, a tab shown as \"?\"")
            << "\tbcde\U0001F600 long \U0001F600ame.jpg|\"?bcde…ame.jpg\": pictures";
        QTest::newRow("neither PNG nor SVG, a name just short enough to show whole")
            << "a-fifteen-c.jpg|\"a-fifteen-c.jpg\": pictures";
        QTest::newRow("folder gone") << "gone/new.png|\"new.png\": its folder does not exist";
        QTest::newRow("the rename into place fails")
            << "new.svg|\"new.svg\": a folder has that name|folder in its place";
        QTest::newRow("cancelled") << "old.svg||cancel";
    }
    void pictureLeavesAsShown()
    {
        QFETCH(QString, saving);
        const QString name = saving.section('|', 0, 0), failure = saving.section('|', 1, 1);
        const QString during = saving.section('|', 2);
        const QByteArray old(300, 'x');
        const QStringList before = {"old.png", "old.svg"};
        for (const QString& oldName : before)
            write(path(oldName), old);
        connect(&drawing(), &picture::Drawing::progressed, this, [&](std::size_t done, std::size_t total) {
            if (during == "cancel")
                m_window.window()->findChild<QProgressDialog*>()->cancel();
            else if (during == "folder in its place" && done == total)
                QDir().mkdir(path(name));
        });
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
            drawing().saveTo(path(name));
        }
        setrlimit(RLIMIT_FSIZE, &unlimited);
        const QString report = m_window.shownReportText();
        QVERIFY2(report.contains(failure) && report.isEmpty() == failure.isEmpty(), qPrintable(report));
        QVERIFY2(m_window.reportOverTwoLines().isEmpty(), qPrintable(report));
        // Saved, the title names the file with no mark; not saved, the drawing is still unsaved.
        const bool saved = failure.isEmpty() && during.isEmpty() && name.endsWith("g", Qt::CaseInsensitive);
        QCOMPARE(m_window.window()->windowFilePath(), saved ? path(name) : QString());
        QCOMPARE(drawing().isModified(), !saved);
        if (!failure.isEmpty() || !during.isEmpty()) {
            QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), before);
            QFile kept(path(before.contains(name) ? name : before[0]));
            QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == old);
            return;
        }

        const QImage shown = m_sheet;
        if (name.isEmpty() || name.endsWith(QLatin1String(".png"))) {
            QImage read = QApplication::clipboard()->image();
            QVERIFY(name.isEmpty() || read.load(path(name), "PNG"));
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
            QSvgRenderer(path(name)).render(&painter);
        }
        painter.end();
        // Drawn anew, each disc in place and of its size and colour, as any program draws it.
        for (const QPoint centre : {QPoint(80, 40), QPoint(200, 40), QPoint(30, 90), QPoint(133, 66)}) {
            const QRect around(centre - QPoint(7, 7), QSize(15, 15));
            QCOMPARE(inkBounds(read, around), inkBounds(shown, around));
            QCOMPARE(QColor(read.pixel(centre)), QColor(shown.pixel(centre)));
        }
    }

    void savedDrawingOpensAsItWas_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::newRow("SVG") << "SVG";
        QTest::newRow("SVG opened with Ctrl+O") << "Ctrl+O";
        QTest::newRow("SVG saved before the program had a namespace") << "old";
        QTest::newRow("drawing kept when the program ended") << "kept";
    }
    void savedDrawingOpensAsItWas()
    {
        QFETCH(QString, saved);
        const QImage shown = m_window.drawingArea();
        const auto dots = dotsOf(m_window.surface()->dots());
        const QString name = path("saved.svg");
        if (saved == "old")
            write(name, savedBeforeNamespace());
        else if (saved == "kept")
            picture::keepDrawing(name, m_window.surface()->dots(), shown.size(), path("belongs.svg"));
        else
            QVERIFY(drawing().saveTo(name));
        drawing().history().clear();
        drawing().history().setClean();
        if (saved == "kept") {
            QVERIFY(drawing().openKept(name));
        } else if (saved != "Ctrl+O") {
            QVERIFY(drawing().openFile(name));
        } else {
            whenShown<QFileDialog>([&](QFileDialog* dialog) {
                // Set whole, as typing would open the completer's list, which would take the Return.
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
                QTest::keyClick(dialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
            });
            QTest::keyClick(m_window.surface(), Qt::Key_O, Qt::ControlModifier);
        }
        QCOMPARE(m_window.drawingArea(), shown);
        QCOMPARE(m_window.surface()->pointsDrawn(), 4);
        // Saved before, each dot is back at the pixel it was drawn on; since, exactly as drawn.
        if (saved != "old")
            QCOMPARE(dotsOf(m_window.surface()->dots()), dots);
        QCOMPARE(drawing().fileName(), saved == "kept" ? path("belongs.svg") : name);
        QCOMPARE(drawing().isModified(), saved == "kept");
        QVERIFY(!drawing().history().undoStep());
        QVERIFY(m_window.shownReportText().isEmpty());
    }

    void badFileIsRefused_data()
    {
        // What the file holds ("@..." makes it so), and what the note says of it.
        QTest::addColumn<QByteArray>("held");
        QTest::addColumn<QString>("reason");
        const QByteArray ours = "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                "xmlns:d=\"https://drawdots.github.io/ns/drawing\" d:version=\"1\"><title/>";
        const auto dot = [ours](const char* attributes) { return ours + "<circle " + attributes + "/></svg>"; };
        const QByteArray good = dot("r=\"1\" d:x=\"1200\" d:y=\"600\" d:colour=\"4\"");
        QByteArray png;
        QBuffer buffer(&png);
        QImage(4, 4, QImage::Format_RGB32).save(&buffer, "PNG");
        const QString notOurs = "it is not a drawing saved by Draw dots";
        QTest::newRow("PNG") << png << notOurs;
        QTest::newRow("SVG from elsewhere")
            << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><circle cx=\"1\" cy=\"1\" r=\"1\"/></svg>")
            << notOurs;
        QTest::newRow("empty") << QByteArray() << "it is empty";
        QTest::newRow("folder") << QByteArray("@folder") << "it is a folder";
        QTest::newRow("gone") << QByteArray("@gone") << "there is no file of that name";
        QTest::newRow("another shape among the dots") << ours + "<path d=\"M0 0\"/></svg>" << notOurs;
        QTest::newRow("a dot without its place") << dot("r=\"1\" d:y=\"6\" d:colour=\"4\"") << notOurs;
        QTest::newRow("malformed XML") << dot("r=\"1\" d:x=\"1200\" d:y=600") << "it is damaged";
        QTest::newRow("cut short") << good.left(good.size() - 8) << "it is cut short";
        QTest::newRow("entities expanded")
            << "<!DOCTYPE svg [<!ENTITY a \"aaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>" + ours + "&b;</svg>" << notOurs;
        QTest::newRow("an entity from elsewhere")
            << "<!DOCTYPE svg [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>" + ours + "&x;</svg>" << notOurs;
        QTest::newRow("NaN") << dot("r=\"1\" d:x=\"nan\" d:y=\"600\" d:colour=\"4\"")
                             << "dot 1: x = nan, not a finite number";
        QTest::newRow("infinite width") << dot("r=\"inf\" d:x=\"1\" d:y=\"6\" d:colour=\"4\"")
                                        << "r = inf, not a finite number";
        QTest::newRow("far outside") << dot("r=\"1\" d:x=\"1200\" d:y=\"-2e6\" d:colour=\"4\"")
                                     << "coordinate -2e+06 (allowed: ±1000000)";
        QTest::newRow("width 0") << dot("r=\"0\" d:x=\"1\" d:y=\"6\" d:colour=\"4\"")
                                 << "pen width 0 (allowed: 1 to 32767)";
        QTest::newRow("width negative") << dot("r=\"-2\" d:x=\"1\" d:y=\"6\" d:colour=\"4\"") << "pen width -4";
        QTest::newRow("width over 32767") << dot("r=\"16384\" d:x=\"1\" d:y=\"6\" d:colour=\"4\"") << "pen width 32768";
        QTest::newRow("colour 16") << dot("r=\"1\" d:x=\"1\" d:y=\"6\" d:colour=\"16\"")
                                   << "colour number 16 (allowed: 0 to 15)";
        QTest::newRow("colour number too long to quote whole")
            << dot("r=\"1\" d:x=\"1\" d:y=\"6\" d:colour=\"123456789012345\"") << "colour number 1234567890... (";
        QTest::newRow("colour outside the sixteen, saved before the namespace")
            << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><title>Draw dots</title>"
                          "<circle cx=\"1.5\" cy=\"1.5\" r=\"0.5\" fill=\"#123456\"/></svg>")
            << "colour #123456, not one of the sixteen";
        QTest::newRow("10 million dots") << QByteArray("@size 450000000") << "it is too large";
        QTest::newRow("2 GB") << QByteArray("@size 2147483648") << "it is too large: files of up to 256 MB";
        QTest::newRow("more dots than a drawing may hold") << QByteArray("@limit") << "more dots than the 3";
        QTest::newRow("grows while it is read") << QByteArray("@grows") << "it changed while it was being read";
        QTest::newRow("cut while it is read") << QByteArray("@cut") << "it changed while it was being read";
        QTest::newRow("open cancelled") << QByteArray("@cancel") << "";
    }
    void badFileIsRefused()
    {
        QFETCH(QByteArray, held);
        QFETCH(QString, reason);
        const QString name = path("a drawing with a long name.svg");
        QVERIFY(drawing().saveTo(path("kept.svg")));
        if (held == "@folder")
            QVERIFY(QDir().mkdir(name));
        else if (held.startsWith("@size")) // the room of that many bytes, of which none is written
            QVERIFY(QFile(path("kept.svg")).copy(name) && QFile::resize(name, held.mid(6).toLongLong()));
        else if (held != "@gone")
            write(name, held.startsWith('@') ? savedBeforeNamespace() : held);
        if (held == "@limit") {
            QVERIFY_THROWS_EXCEPTION(platform::ReportedError, picture::readDrawing(name, {}, {1 << 20, 3}));
            try {
                picture::readDrawing(name, {}, {1 << 20, 3});
            } catch (const platform::ReportedError& error) {
                QVERIFY2(QString(error.what()).contains(reason), error.what());
            }
            return;
        }
        connect(&drawing(), &picture::Drawing::progressed, this, [&] {
            QFile changed(name);
            if (held == "@grows")
                QVERIFY(changed.open(QIODevice::Append) && changed.write("<!-- -->") > 0);
            else if (held == "@cut")
                QVERIFY(changed.resize(10));
            else if (held == "@cancel")
                m_window.window()->findChild<QProgressDialog*>()->cancel();
        });
        const QImage shown = m_window.drawingArea();
        QVERIFY(!drawing().openFile(name));
        QCOMPARE(m_window.drawingArea(), shown);
        QCOMPARE(m_window.surface()->pointsDrawn(), 4);
        QCOMPARE(drawing().fileName(), path("kept.svg"));
        QVERIFY(!drawing().isModified());
        const QString report = m_window.shownReportText();
        QVERIFY2(report.contains(reason) && report.isEmpty() == reason.isEmpty(), qPrintable(report));
        QVERIFY(reason.isEmpty() || report.startsWith("The drawing \"a draw…name.svg\" was not opened: "));
        QVERIFY2(m_window.reportOverTwoLines().isEmpty(), qPrintable(report));
    }

    void closingAsksAboutUnsavedChanges_data()
    {
        // Whether a dot was drawn since the drawing was saved; the key that answers the question (none
        // where none is asked); whether the window closes; the dots in the file then.
        QTest::addColumn<bool>("dotSince");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("saved");
        QTest::newRow("nothing unsaved: closes at once") << false << 0 << true << 4;
        QTest::newRow("Escape cancels") << true << int(Qt::Key_Escape) << false << 4;
        QTest::newRow("Close without saving") << true << int(Qt::Key_W) << true << 4;
        QTest::newRow("Save, the default") << true << int(Qt::Key_Return) << true << 5;
        QTest::newRow("Save that fails keeps the window") << true << int(Qt::Key_Return) << false << -1;
    }
    void closingAsksAboutUnsavedChanges()
    {
        QFETCH(bool, dotSince);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(int, saved);
        const QString name = path(saved < 0 ? "gone/d.svg" : "d.svg");
        QVERIFY(QDir().mkpath(QFileInfo(name).path()) && drawing().saveTo(name));
        if (saved < 0)
            QVERIFY(QDir(QFileInfo(name).path()).removeRecursively());
        if (dotSince)
            m_window.surface()->plot(150, 150, 0);
        QString question;
        if (answer != 0) {
            whenShown<QMessageBox>([&](QMessageBox* box) {
                question = box->text();
                QTest::keyClick(box, Qt::Key(answer));
            });
        }
        QCOMPARE(m_window.window()->close(), closes);
        QCOMPARE(question.isEmpty(), answer == 0);
        QVERIFY(question.isEmpty() || question.contains("Save them before closing?"));
        QCOMPARE(drawing().needsKeeping(), !closes);
        if (saved >= 0)
            QCOMPARE(picture::readDrawing(name)->dots.size(), std::size_t(saved));
        else
            QVERIFY(m_window.shownReportText().contains("its folder does not exist"));
    }

    void saveDialogNamesTheFile_data()
    {
        QTest::addColumn<bool>("svgKind");      // the SVG filter chosen before typing
        QTest::addColumn<QStringList>("typed"); // each followed by Return
        QTest::addColumn<QString>("file");      // saved, empty where none is
        QTest::newRow("a bare name") << false << QStringList{"name"} << "name.png";
        QTest::newRow("a bare name with SVG chosen") << true << QStringList{"name"} << "name.svg";
        QTest::newRow("a name of the other kind") << false << QStringList{"name.svg"} << "name.svg";
        QTest::newRow("a folder's name opens it") << false << QStringList{"Sub", "name"} << "Sub/name.png";
        QTest::newRow("a folder that is not there") << false << QStringList{"Gone/"} << "";
    }
    void saveDialogNamesTheFile()
    {
        QFETCH(bool, svgKind);
        QFETCH(QStringList, typed);
        QFETCH(QString, file);
        QVERIFY(QDir().mkdir(path("Sub")));
        QVERIFY(QDir::setCurrent(m_folder->path()));
        QString told;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            dialog->setDirectory(m_folder->path());
            if (svgKind)
                QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
            for (const QString& text : typed) {
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                name->setFocus();
                name->setText(text);
                whenShown<QMessageBox>([&](QMessageBox* box) { told = box->text(), box->reject(); });
                QTest::keyClick(name, Qt::Key_Return);
            }
            if (dialog->isVisible())
                dialog->reject();
        });
        QCOMPARE(drawing().saveAs(), !file.isEmpty());
        QCOMPARE(drawing().fileName(), file.isEmpty() ? QString() : path(file));
        QVERIFY(file.isEmpty() || QFileInfo(path(file)).isFile());
        QVERIFY(told.isEmpty() == !file.isEmpty() && (told.isEmpty() || told.contains("Directory not found")));
        QVERIFY(m_window.shownReportText().isEmpty());
    }

    void printsOnAPageOfTheAreasShape_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("wide") << QSize(285, 109) << true;
        QTest::newRow("tall") << QSize(109, 285) << false;
    }
    void printsOnAPageOfTheAreasShape()
    {
        QFETCH(QSize, area);
        QFETCH(bool, landscape);
        // No printer: the module prints to a PDF file in the home folder, with no Pictures in it.
        qputenv("HOME", m_folder->path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_folder->path().toLocal8Bit());
        qputenv("CUPS_SERVER", "/nonexistent");
        m_window.surface()->resize(area + QSize(4, 4));
        whenShown<QDialog>([](QDialog* dialog) { dialog->accept(); });
        m_window.surface()->findChild<picture::PictureMenu*>()->print();
        QFile pdf(path("Draw dots.pdf"));
        QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(m_window.shownReportText()));
        const QRegularExpressionMatch page =
            QRegularExpression("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]").match(QString::fromLatin1(pdf.readAll()));
        QVERIFY(page.hasMatch());
        QCOMPARE(page.captured(1).toDouble() > page.captured(2).toDouble(), landscape);
    }
};

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
