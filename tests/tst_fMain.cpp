// The main window over the fake desktop, driven as a user drives it: the
// pointer through the window system, the keyboard, the settings file.
#include "MainWindowFixture.h"
#include "app/CaptureLoupe.h"
#include "app/PairVerdict.h"
#include "app/HomePage.h"
#include "app/fAbout.h"
#include "app/fHelp.h"
#include "app/fScreen.h"
#include "colour/Contrast.h"
#include "colour/VisionSimulation.h"
#include "colour/mCPUtils.h"
#include "picker/Quor_Colorpicker.h"
#include "widgets/MouseLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/SurfaceBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QUrl>

class TestMainWindow : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void startsWithTheStoredColoursAndSavesThemOnceAtClose()
    {
        QVERIFY(m_w->windowTitle() == "Tintaro by Tolvex" && m_w->size() == QSize(536, 474));
        for (int n = 1; n <= 12; ++n)
            QVERIFY(m_w->cpFore()->sColor(n) == 0x00010000 * n && m_w->cpBack()->sColor(n) == n);
        QVERIFY(m_w->lblSample(0)->text() == "Visit Tolvex" && m_w->lblSample(0)->ForeColor() == 0x00336699);
        const QImage shot = m_w->grab().toImage(); // the strip: text colour on the back colour
        QCOMPARE(shot.pixelColor(m_w->lblSample(4)->geometry().center()), QColor(0x99, 0x66, 0x33));
        QCOMPARE(shot.pixelColor(m_w->lblSample(3)->geometry().topLeft() + QPoint(2, 2)), QColor(0x30, 0x20, 0x10));
        QVERIFY(m_desk->messages.shown.isEmpty());

        m_w->cpBack()->setColor(0x00ABCDEF); // the foreground parts stay
        QCOMPARE(m_w->lblSample(0)->ForeColor(), 0x00336699);
        QTRY_VERIFY(m_w->lblSample(4)->BackColor() == 0x00336699 && m_w->lblSample(3)->BackColor() == 0x00ABCDEF); // by the next frame
        m_w->cpFore()->setsColor(12, 0x00FEDCBA);
        m_desk->menus.answer = 1001;
        click(m_w->btnForm(0));
        QPointer<fHelp> help = m_w->helpWindow();
        click(m_w->btnForm(2));
        QVERIFY(m_desk->shell.quits == 1 && help.isNull());
        QFile f(m_desk->settingsFile());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray expected = seededFile();
        qToLittleEndian<std::int32_t>(0x00FEDCBA, expected.data() + 52);
        qToLittleEndian<std::int32_t>(0x00ABCDEF, expected.data() + 4);
        QCOMPARE(f.readAll(), expected); // the spares at 56 and 108 survive too
        m_w->close();                    // the system's close after that: no second save
        QCOMPARE(m_desk->files.writeCount, 1);
    }

    void palettesGoOutAndComeBack()
    {
        QTemporaryDir dir;
        const auto menu = [&](int choice, const QString& file) {
            m_desk->fileDialog.answer = file.isEmpty() ? QString() : dir.filePath(file);
            m_desk->menus.answer = choice;
            click(m_w->btnForm(0));
        };
        Quor_Colorpicker* fore = m_w->cpFore();
        Quor_Colorpicker* back = m_w->cpBack();
        fore->setsColor(1, RGB(255, 0, 0));
        back->setsColor(12, RGB(1, 2, 3));
        menu(1002, "mine"); // a name without a suffix becomes a GIMP palette
        QFile gpl(dir.filePath("mine.gpl"));
        QVERIFY(gpl.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(gpl.readAll()).split('\n');
        QCOMPARE(lines.mid(0, 3), QStringList({"GIMP Palette", "Name: Tintaro favourites", "Columns: 12"}));
        QVERIFY(lines[3].startsWith("# ") && lines.size() == 4 + 24 + 1 && lines.last().isEmpty());
        QCOMPARE(lines[4], QStringLiteral("255   0   0\tForeground 1"));
        QCOMPARE(lines[5], QStringLiteral("  0   0   2\tForeground 2")); // seeded 0x00020000: blue 2
        QCOMPARE(lines[27], QStringLiteral("  1   2   3\tBackground 12"));
        menu(1002, "mine.css");
        QFile css(dir.filePath("mine.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        const QStringList rules = QString::fromUtf8(css.readAll()).split('\n');
        QVERIFY(rules.size() == 27 && rules[0] == ":root {" && rules[1] == "  --foreground-1: #FF0000;"
                && rules[24] == "  --background-12: #010203;" && rules[25] == "}");
        // Back in: what went out comes back whole.
        fore->setsColor(1, 0);
        back->setsColor(12, 0);
        menu(1003, "mine.gpl");
        QVERIFY(fore->sColor(1) == RGB(255, 0, 0) && back->sColor(12) == RGB(1, 2, 3) && fore->sColor(2) == 0x00020000);
        QVERIFY(m_desk->messages.shown.isEmpty());
        // A failed save says so and leaves the old file as it was.
        m_desk->files.writesFail = true;
        menu(1002, "mine.gpl");
        m_desk->files.writesFail = false;
        QVERIFY(m_desk->messages.shown.size() == 1 && m_desk->messages.shown[0].title == "Tintaro"
                && m_desk->messages.shown[0].text.contains("could not be saved"));
        QVERIFY(gpl.seek(0) && gpl.readAll().split('\n').value(4) == "255   0   0\tForeground 1");
        menu(1002, QString()); // cancelled: nothing written, nothing said
        QCOMPARE(m_desk->messages.shown.size(), 1);
    }

    void palettesWrittenByHand_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("said"); // the message, in part; empty: none
        QTest::addColumn<int>("fore1");   // the first foreground favourite afterwards
        QTest::addColumn<int>("back3");   // the third background favourite afterwards
        const QByteArray thirty = [] {
            QByteArray t = "GIMP Palette\n";
            for (int i = 0; i < 30; ++i)
                t += QByteArray::number(i) + " 0 0\n";
            return t;
        }();
        QTest::newRow("comments, names with blanks, CR LF")
            << QByteArray("GIMP Palette\r\nName: Mine\r\nColumns: 4\r\n# hand made\r\n\r\n 10  20  30\tDeep sea blue\r\n") << QString() << int(RGB(10, 20, 30)) << 3;
        QTest::newRow("short: the rest stay") << QByteArray("GIMP Palette\n1 2 3\n") << QString() << int(RGB(1, 2, 3)) << 3;
        QTest::newRow("long: 6 left out") << thirty << QString("6 colours past the 24 favourites") << 0 << int(RGB(14, 0, 0));
        QTest::newRow("a channel out of range") << QByteArray("GIMP Palette\n1 2 3\n# x\n300 0 0\n") << QString("line 4") << 0x00010000 << 3;
        QTest::newRow("two numbers") << QByteArray("GIMP Palette\n1 2\n") << QString("line 2") << 0x00010000 << 3;
        QTest::newRow("not a palette") << QByteArray("#FF0000\n") << QString("line 1") << 0x00010000 << 3;
        QTest::newRow("over 1 MiB") << QByteArray("GIMP Palette\n") + QByteArray(1024 * 1024, '#') << QString("larger than 1 MiB") << 0x00010000 << 3;
    }

    void palettesWrittenByHand()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, said);
        QFETCH(int, fore1);
        QFETCH(int, back3);
        QTemporaryDir dir;
        QFile f(dir.filePath("hand made.gpl"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        f.close();
        m_desk->fileDialog.answer = f.fileName();
        m_desk->menus.answer = 1003;
        click(m_w->btnForm(0));
        QCOMPARE(m_w->cpFore()->sColor(1), fore1);
        QCOMPARE(m_w->cpBack()->sColor(3), back3);
        QCOMPARE(m_desk->messages.shown.size(), said.isEmpty() ? 0 : 1);
        if (!said.isEmpty())
            QVERIFY2(m_desk->messages.shown[0].text.contains(said) && m_desk->messages.shown[0].text.contains("hand made.gpl"),
                     qPrintable(m_desk->messages.shown[0].text));
    }

    void titleButtonsByPointerAndKeyboard()
    {
        QTest::keyClick(m_w, Qt::Key_F1);
        fHelp* help = m_w->helpWindow();
        QVERIFY(help && help->isVisible() && help->windowTitle() == "Quick Help");
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        m_desk->pointer.pos = QPoint(600, 20);
        m_desk->menus.answer = 1001;
        click(m_w->btnForm(0));
        const auto& items = m_desk->menus.shownItems.value(0);
        QVERIFY(items.size() == 5 && items[0].caption == "Quick Help" && items[0].id == 1001 && items[1].caption == "About"
                && items[2].caption == "-" && items[3].caption == "Export Palette…" && items[4].caption == "Import Palette…");
        QVERIFY(m_desk->menus.shownAt[0] == QPoint(600, 20) && m_desk->menus.alignments[0] == PopupMenu::RightAtPoint);
        QVERIFY(m_w->helpWindow() == help && help->isVisible()); // brought forward, not copied
        m_desk->menus.answer = 1000;
        click(m_w->btnForm(0));
        QVERIFY(m_w->aboutWindow() && m_w->aboutWindow()->isVisible());
        m_desk->menus.answer = -1; // from the keyboard the menu opens under the button
        m_w->activateWindow();
        QTRY_VERIFY(m_w->isActiveWindow());
        m_w->btnForm(0)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(m_w->btnForm(0), Qt::Key_Space);
        QCOMPARE(m_desk->menus.shownAt.last(), m_w->btnForm(0)->mapToGlobal(QPoint(21, 21)));
        click(m_w->btnForm(1));
        click(m_w->btnForm(1)); // a second time: still minimised
        QVERIFY(m_w->isMinimized());
        m_w->showNormal();
        m_w->btnForm(1)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(m_w->btnForm(1), Qt::Key_Return);
        QVERIFY(m_w->isMinimized());
        m_w->showNormal();
        m_w->activateWindow();
        QTest::keyClick(m_w, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(m_desk->shell.quits == 1 && m_desk->files.writeCount == 1);
    }

    void aDragFiresEveryEventAndPaintsOncePerFrame()
    {
        // A pointer event every millisecond or so, each a new pixel of the palette: every one changes the
        // colour and is announced, while the window is painted at most once per 60 Hz frame (and once more for
        // the last), with the sample strip and the verdict of the final colour.
        SurfaceBox* palette = m_w->cpFore()->iPal();
        int paints = 0;
        struct PaintCounter : QObject {
            int* count;
            bool eventFilter(QObject*, QEvent* e) override { return *count += e->type() == QEvent::Paint, false; }
        } counter;
        counter.count = &paints;
        m_w->lblSample(4)->installEventFilter(&counter); // the strip's foreground swatch
        QSignalSpy changed(m_w->cpFore(), &Quor_Colorpicker::Colorchanged);
        const QPoint start = palette->mapTo(m_w, QPoint(5, 5));
        QTest::mousePress(window(), Qt::LeftButton, {}, start);
        QElapsedTimer clock;
        clock.start();
        int moves = 0;
        for (; moves < 60; ++moves) {
            QTest::mouseMove(window(), start + QPoint(moves + 1, moves / 2 + 1));
            QCoreApplication::processEvents();
            QTest::qWait(1);
        }
        const qint64 ms = clock.elapsed();
        QTest::mouseRelease(window(), Qt::LeftButton, {}, start + QPoint(moves, moves / 2));
        QTRY_COMPARE(m_w->lblSample(4)->BackColor(), m_w->cpFore()->Color());
        QVERIFY2(changed.size() >= moves, qPrintable(QString::number(changed.size())));
        QVERIFY2(paints >= 2 && paints <= ms / 16 + 3, qPrintable(QString("%1 paints in %2 ms").arg(paints).arg(ms)));
        const double ratio = Contrast::Ratio(m_w->cpFore()->Color(), m_w->cpBack()->Color());
        QCOMPARE(m_w->verdict()->readout()->text(), QStringLiteral("Contrast %1 \u00B7 %2").arg(Contrast::FormatRatio(ratio), Contrast::BestGrade(ratio)));
        QCOMPARE(m_w->cpFore()->txtInfo(2)->text(), mCPUtils::ToHtmlText(m_w->cpFore()->Color()));
    }

    void onlyBackgroundAndHandleDragWhileTheirButtonIsHeld()
    {
        const std::tuple<QPoint, Qt::MouseButton, bool> rows[] = {
            {{5, 300}, Qt::LeftButton, true},   {{5, 300}, Qt::RightButton, true}, {{100, 20}, Qt::MiddleButton, true}, // background, handle
            {{60, 112}, Qt::LeftButton, false}, {{25, 400}, Qt::RightButton, false},                                  // frame caption, body
            {{180, 218}, Qt::LeftButton, false}, {{200, 430}, Qt::MiddleButton, false}, {{250, 60}, Qt::MiddleButton, false}}; // "HEX:", strip, banner
        for (const auto& [at, b, drags] : rows) {
            const QPoint start = m_w->pos();
            QTest::mousePress(window(), b, {}, at);
            QTest::mouseMove(window(), at + QPoint(40, 25));
            QVERIFY2(m_w->pos() == (drags ? start + QPoint(40, 25) : start), qPrintable(QString("%1,%2").arg(at.x()).arg(at.y())));
            QTest::mouseRelease(window(), b, {}, at + QPoint(40, 25));
            const QPoint released = m_w->pos();
            QTest::mouseMove(window(), at + QPoint(90, 60)); // no button: the window stays
            QTest::mouseClick(window(), b, {}, at);          // a tap, then the pointer moves on
            QTest::mouseMove(window(), at + QPoint(30, 30));
            QCOMPARE(m_w->pos(), released);
        }
        QVERIFY(m_w->cpFore()->Color() == 0x00336699 && m_w->cpBack()->Color() == 0x00102030);
        QVERIFY(m_desk->shell.opened.isEmpty() && m_desk->menus.shownItems.isEmpty());
    }

    void fromScreenFillsOnlyItsPickerAndBringsTheWindowBack()
    {
        // What the window system was given to show at two points that a pick leaves as they are.
        auto shown = [this] {
            const QImage image = m_w->screen()->grabWindow(m_w->winId()).toImage();
            return QList<QRgb>{image.pixel(5, 5) & 0xFFFFFF, image.pixel(m_w->cmdScreen(1)->geometry().center()) & 0xFFFFFF};
        };
        // picker, device pixel ratio, whether the program places its windows (X11) or the compositor does (Wayland),
        // whether the screen shows through a window that paints nothing (X11 with no compositing manager)
        const std::tuple<int, double, bool, bool> rows[] = {{1, 1.0, true, false}, {0, 1.0, true, false}, {1, 2.0, true, false},
                                                            {1, 1.0, true, true}, {0, 1.0, false, false}};
        for (int i = 0; i < 5; ++i) {
            const auto& [button, ratio, places, through] = rows[i];
            m_desk->screen.through = m_desk->screen.holds = through;
            if (!places)
                close(), open(false);
            m_desk->screen.steps.clear();
            QImage photo(QSize(640, 480) * ratio, QImage::Format_RGB32);
            for (int y = 0; y < photo.height(); ++y)
                for (int x = 0; x < photo.width(); ++x)
                    photo.setPixel(x, y, qRgb(x % 256, y % 256, 77));
            photo.setDevicePixelRatio(ratio);
            m_desk->screen.photograph = photo;
            Quor_Colorpicker* target = button == 0 ? m_w->cpFore() : m_w->cpBack();
            Quor_Colorpicker* other = button == 0 ? m_w->cpBack() : m_w->cpFore();
            const OLE_COLOR otherBefore = other->Color();
            const QList<QRgb> before = shown();
            QVERIFY(!before.contains(0));
            click(m_w->cmdScreen(button));
            // Unmapped, whatever the window manager, and the server has handled that before the screen is read.
            // Where a compositor may go on showing a window it unmapped (animating it away), the window is
            // first cleared to (transparent) black, and hidden once the compositor has drawn that.
            QVERIFY(m_w->isVisible() != places && !m_w->isMinimized());
            if (!places)
                QCOMPARE(shown(), QList<QRgb>({0, 0}));
            QTRY_VERIFY(m_w->captureWindow() && m_w->captureWindow()->isVisible());
            // Where the screen shows through, the capture window is up before the read and the photograph is
            // taken behind it; a click meanwhile takes its pixel once the photograph is there.
            QTRY_COMPARE(m_desk->screen.steps, QStringList({"round trip", through ? "read, 1 shown" : "read, 0 shown"}));
            QWindow* w = m_w->captureWindow()->windowHandle();
            if (through) {
                QTest::mouseMove(w, {10 + i, 20});
                QTest::mouseClick(w, Qt::RightButton, {}, {50, 60});
                QVERIFY(m_w->captureWindow()->isVisible() && target->Color() != RGB(50, 60, 77));
                m_desk->screen.release();
            } else {
                QVERIFY(m_w->captureWindow()->isFullScreen() && !QApplication::overrideCursor());
                QTest::mouseMove(w, {10 + i, 20});
                QCOMPARE(target->Color(), RGB(int((10 + i) * ratio), int(20 * ratio), 77));
                QTest::mouseClick(w, Qt::RightButton, {}, {50, 60});
            }
            QCOMPARE(target->Color(), RGB(int(50 * ratio), int(60 * ratio), 77));
            QCOMPARE(other->Color(), otherBefore);
            QVERIFY(!m_w->captureWindow()->isVisible() && !m_w->isMinimized() && m_w->isVisible());
            QCOMPARE(m_w->lblSample(0)->BackColor(), m_w->cpBack()->Color());
            QTRY_COMPARE(shown(), before); // whole again
        }
        m_desk->screen.through = m_desk->screen.holds = false;
        m_desk->screen.photograph = QImage(); // refused; then the desktop's own picker chose a pixel
        m_desk->screen.failure = QStringLiteral("The desktop refused the screenshot.");
        for (bool picks : {false, true}) {
            m_desk->screen.through = !picks; // the capture window, up before the read, goes without a word
            if (picks)
                m_desk->screen.picked = 0x00C0FFEE;
            const OLE_COLOR before = m_w->cpBack()->Color();
            QSignalSpy changed(m_w->cpBack(), &Quor_Colorpicker::Colorchanged);
            click(m_w->cmdScreen(1));
            QTRY_VERIFY(!m_w->isMinimized() && m_w->isVisible());
            QTRY_COMPARE(QApplication::overrideCursor(), nullptr);
            QCOMPARE(m_w->cpBack()->Color(), picks ? 0x00C0FFEE : before);
            QCOMPARE(changed.isEmpty(), !picks);
            QCOMPARE(m_desk->messages.shown.size(), 1);
            QVERIFY(!m_w->captureWindow() || !m_w->captureWindow()->isVisible());
            QCOMPARE(m_desk->messages.shown[0].title + ": " + m_desk->messages.shown[0].text,
                     QStringLiteral("Tintaro: The screen could not be read. The desktop refused the screenshot."));
        }
    }

    void captureLoupeAndCancel()
    {
        const QRect first(0, 0, 800, 600), second(800, 0, 640, 480);
        // The loupe is 110 x 130 with its read-out, 16 away from the pointer, on the pointer's screen.
        const std::tuple<QPoint, QRect, QPoint> rows[] = {
            {{300, 200}, first, {316, 216}}, {{700, 200}, first, {574, 216}}, {{300, 500}, first, {316, 354}},
            {{799, 599}, first, {673, 453}}, {{674, 0}, first, {690, 16}},    {{675, 0}, first, {549, 16}}, // one more: flips
            {{1430, 100}, second, {1304, 116}}, {{801, 470}, second, {817, 324}}};
        for (const auto& [pointer, screen, topLeft] : rows) {
            const CaptureLoupe::Placement p = CaptureLoupe::Place(pointer, screen);
            QCOMPARE(p.loupe, QRect(topLeft, QSize(110, 110)));
            QCOMPARE(p.readout, QRect(topLeft.x(), topLeft.y() + 110, 110, 20));
            QVERIFY(screen.contains(p.whole()) && !p.whole().contains(pointer));
        }
        QCOMPARE(CaptureLoupe::Readout(qRgb(0x12, 0xAB, 0xEF), QPoint(7, 300)), QStringLiteral("#12ABEF  7, 300"));
        QVERIFY(CaptureLoupe::OutlineFor(qRgb(255, 255, 255)) == Qt::black && CaptureLoupe::OutlineFor(qRgb(0, 0, 128)) == Qt::white);
        QImage photo(640, 480, QImage::Format_RGB32); // every pixel encodes its position
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                photo.setPixel(x, y, qRgb(x & 255, y, x >> 8));
        m_desk->screen.photograph = photo;
        click(m_w->cmdScreen(1));
        QTRY_VERIFY(m_w->captureWindow() && m_w->captureWindow()->isVisible());
        fScreen* capture = m_w->captureWindow();
        QTest::mouseMove(capture->windowHandle(), {200, 150});
        const QRect loupe = capture->loupeArea();
        QCOMPARE(loupe.topLeft(), QPoint(216, 166));
        const QImage shown = capture->grab().toImage(); // the middle cell magnifies the pointed pixel, 10 times
        QCOMPARE(shown.pixel(loupe.left() + 55, loupe.top() + 55) & 0xFFFFFF, 0x00C89600u); // (200, 150)
        QCOMPARE(shown.pixel(loupe.left() + 5, loupe.top() + 5) & 0xFFFFFF, 0x00C39100u);   // (195, 145)
        // The arrow keys: one pixel, with Shift ten; the picker follows.
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, QPoint> keys[] = {
            {Qt::Key_Right, Qt::ShiftModifier, {210, 150}}, {Qt::Key_Down, Qt::ShiftModifier, {210, 160}},
            {Qt::Key_Left, Qt::NoModifier, {209, 160}},     {Qt::Key_Up, Qt::NoModifier, {209, 159}},
            {Qt::Key_Left, Qt::ShiftModifier, {199, 159}},  {Qt::Key_Up, Qt::ShiftModifier, {199, 149}}};
        for (const auto& [key, modifiers, to] : keys) {
            QTest::keyClick(capture, key, modifiers);
            QCOMPARE(capture->pointed(), to);
            QCOMPARE(m_w->cpBack()->Color(), RGB(to.x(), to.y(), 0));
        }
        QTest::mouseClick(capture->windowHandle(), Qt::LeftButton, {}, loupe.topLeft() + QPoint(30, 40)); // under the drawing
        QCOMPARE(m_w->cpBack()->Color(), RGB(246, 206, 0));
        // On a scaled screen a logical point lies in the device pixel that
        // holds it: device pixel n spans n / ratio up to (n + 1) / ratio.
        for (const qreal ratio : {1.5, 2.0}) {
            photo.setDevicePixelRatio(ratio);
            capture->setPicture(photo, QRect(0, 0, 400, 300));
            for (int n : {0, 1, 2, 7, 301}) {
                QCOMPARE(capture->PixelAt(QPointF(n / ratio, 0)), QPoint(n, 0));             // its first edge
                QCOMPARE(capture->PixelAt(QPointF((n + 0.5) / ratio, n / ratio)), QPoint(n, n)); // its middle
                QCOMPARE(capture->PixelAt(QPointF((n + 0.999) / ratio, 0)), QPoint(n, 0));      // its last
            }
        }
        photo.setDevicePixelRatio(1);
        for (bool byWindowManager : {false, true}) { // cancelled: the colour back in one assignment
            click(m_w->cmdScreen(0));
            QTRY_VERIFY(capture->isVisible());
            QTest::mouseMove(capture->windowHandle(), {300 + byWindowManager, 200});
            QCOMPARE(m_w->cpFore()->Color(), RGB(44 + byWindowManager, 200, 1));
            QStringList seen;
            auto c = connect(m_w->cpFore(), &Quor_Colorpicker::Colorchanged, this, [&] { seen << QString::number(m_w->cpFore()->Color(), 16); });
            byWindowManager ? void(capture->close()) : QTest::keyClick(capture, Qt::Key_Escape);
            disconnect(c);
            QVERIFY(!capture->isVisible() && m_w->isVisible() && !m_w->isMinimized());
            QCOMPARE(seen, QStringList({"1c899", "16699", "336699", "336699"})); // to #996633 channel by channel, then the whole
            QCOMPARE(m_w->cpBack()->Color(), RGB(246, 206, 0));
        }
    }

    void bannerSampleHelpAndAbout()
    {
        m_desk->shell.openSucceeds = false; // a failure is ignored
        for (QWidget* w : {static_cast<QWidget*>(m_w->imBanner()), static_cast<QWidget*>(m_w->lblSample(0))})
            click(w);
        QCOMPARE(m_desk->shell.opened, QStringList(2, HomePage()));
        const QUrl page(HomePage()); // never a dead address: in a build tree, the guide beside the source
        QVERIFY(page.isLocalFile() && page.toLocalFile().endsWith("docs/user-guide.html") && QFile::exists(page.toLocalFile()));
        const QStringList lines = fHelp::HelpText().split('\r');
        QVERIFY(lines.size() == 4 && lines[1].startsWith("Using Tintaro is very easy.") && lines[3].contains("buttons.Tintaro will minimize"));
        auto* about = new fAbout(m_w);
        QPointer<fAbout> guard(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Tintaro"));
        QVERIFY(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$").match(about->lblVersion()->text()).hasMatch());
        QTest::mouseClick(about->cmdSysInfo(), Qt::LeftButton);
        QCOMPARE(m_desk->messages.shown.size(), 1);
        QCOMPARE(m_desk->messages.shown[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
        m_desk->shell.installed = {QStringLiteral("hardinfo")};
        QTest::mouseClick(about->cmdSysInfo(), Qt::LeftButton);
        QCOMPARE(m_desk->shell.started, QStringList({"/usr/bin/hardinfo"}));
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(guard.isNull());
    }

    void contrastBannerSimulationsAndSwap()
    {
        m_w->cpFore()->setColor(RGB(255, 0, 0));
        m_w->cpBack()->setColor(RGB(0x33, 0x66, 0x99));
        QTRY_COMPARE(m_w->verdict()->readout()->text(), QStringLiteral("Contrast 1.50:1 \u00B7 Fail")); // by the next frame
        QVERIFY(m_w->lblSample(0)->toolTip().contains(QStringLiteral("AAA normal text (7:1): fail")));
        m_w->cpFore()->setColor(RGB(0, 0, 0)); // the foreground alone changes: the banner follows
        QTRY_COMPARE(m_w->verdict()->readout()->text(), QStringLiteral("Contrast 3.50:1 \u00B7 AA Large"));
        m_w->cpFore()->setColor(RGB(255, 0, 0));
        m_desk->menus.answer = VisionSimulation::Protanopia; // the strip's own menu
        click(m_w->lblSample(3), Qt::RightButton);
        const auto& items = m_desk->menus.shownItems[0];
        QVERIFY(items.size() == 7 && items[0].caption == "Normal Vision" && items[0].checked && items[6].caption == "Swap Colors");
        const QImage shot = m_w->grab().toImage(); // the strip simulated, the pickers real
        QCOMPARE(shot.pixel(m_w->lblSample(4)->geometry().center()) & 0xFFFFFF, 0x6D5F00u);
        QCOMPARE(shot.pixel(m_w->lblSample(1)->geometry().topLeft() + QPoint(2, 2)) & 0xFFFFFF, 0x50699Bu);
        QCOMPARE(m_w->verdict()->readout()->text(), QStringLiteral("Contrast 1.50:1 \u00B7 Fail \u00B7 Protanopia"));
        const QRect readout = m_w->verdict()->readout()->geometry(); // its text stands on the banner's picture
        const QImage banner = m_w->imBanner()->pixmap().toImage();
        for (QPoint at : {readout.topLeft(), readout.bottomLeft() + QPoint(3, 0)})
            QCOMPARE(shot.pixel(m_w->imBanner()->pos() + at), banner.pixel(at));
        QVERIFY(m_desk->shell.opened.isEmpty()); // a right click opens no web page
        // Swap: each picker assigned once, foreground first; favourites stay.
        QStringList order;
        connect(m_w->cpFore(), &Quor_Colorpicker::Colorchanged, this, [&] { order << "fore"; });
        connect(m_w->cpBack(), &Quor_Colorpicker::Colorchanged, this, [&] { order << "back"; });
        QTest::keyClick(m_w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(m_w->cpFore()->Color() == RGB(0x33, 0x66, 0x99) && m_w->cpBack()->Color() == RGB(255, 0, 0));
        QCOMPARE(order, QStringList({"fore", "fore", "fore", "fore", "back", "back", "back", "back"}));
        QCOMPARE(m_w->cpFore()->sColor(1), 0x00010000);
        m_desk->menus.answer = 100; // Swap Colors from the menu: back again
        click(m_w->lblSample(0), Qt::RightButton);
        QCOMPARE(m_w->cpFore()->Color(), RGB(255, 0, 0));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_fMain.moc"
