// The main window over the fake desktop, driven as a user drives it: the
// pointer through the window system, the keyboard, a screen reader.
#include "app/CaptureLoupe.h"
#include "app/PairVerdict.h"
#include "app/SetupData.h"
#include "app/Util.h"
#include "app/fAbout.h"
#include "app/fHelp.h"
#include "app/fMain.h"
#include "app/fScreen.h"
#include "app/mArtwork.h"
#include "fakes/FakeDesktop.h"
#include "colour/VisionSimulation.h"
#include "picker/PickerKeys.h"
#include "picker/Quor_Colorpicker.h"
#include "platform/QtColour.h"
#include "sliders/vRGBSliders.h"
#include "widgets/MouseLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/ShapeBox.h"
#include "widgets/SurfaceBox.h"
#include "widgets/zelFrames.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionFrame>
#include <QUrl>
#include <QtEndian>

static QByteArray seededFile()
{
    QByteArray bytes(SetupData::FileSize, '\0');
    auto put = [&](int offset, std::int32_t v) { qToLittleEndian(v, bytes.data() + offset); };
    put(0, 0x00336699);
    put(4, 0x00102030);
    for (int n = 1; n <= 12; ++n)
        put(8 + 4 * (n - 1), 0x00010000 * n), put(60 + 4 * (n - 1), n);
    put(56, 777);
    put(108, -5);
    return bytes;
}
static QString nameOf(QObject* o, QAccessible::Text t = QAccessible::Name)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
    return a ? a->text(t) : QStringLiteral("<none>");
}

class TestMainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<FakeDesktop> m_desk;
    fMain* m_w = nullptr;
    QWindow* window() const { return m_w->windowHandle(); }
    void click(QWidget* w, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(window(), b, {}, w->mapTo(m_w, QPoint(2, 2))); }

private slots:
    void init()
    {
        m_desk = std::make_unique<FakeDesktop>();
        QFile f(m_desk->settingsFile());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(seededFile()) == SetupData::FileSize);
        f.close();
        m_w = new fMain;
        m_w->Form_Load();
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w));
        m_w->activateWindow();
        QTRY_VERIFY(m_w->isActiveWindow());
    }
    void cleanup() { delete m_w, m_desk.reset(); }

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
        QVERIFY(m_w->lblSample(4)->BackColor() == 0x00336699 && m_w->lblSample(3)->BackColor() == 0x00ABCDEF);
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
        QVERIFY(items.size() == 2 && items[0].caption == "Quick Help" && items[0].id == 1001 && items[1].caption == "About");
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

    void layoutAndFrames()
    {
        QCOMPARE(m_w->imBanner()->geometry(), QRect(34, 35, 468, 60));
        QCOMPARE(m_w->lblSample(0)->geometry(), QRect(157, 415, 222, 50));
        // The inner swatches sit on half pixels (82.5, 399.5); halves go to the even neighbour.
        QCOMPARE(m_w->lblSample(4)->pos(), QPoint(82, 422));
        QCOMPARE(m_w->lblSample(2)->pos(), QPoint(400, 422));
        // The shadows lie only under the frames: nothing black between banner and frames.
        QCOMPARE(m_w->surface().pixelColor(30, 100), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(m_w->surface().pixelColor(100, 200), QColor(Qt::black));
        QCOMPARE(m_w->frForeground()->Caption(), QStringLiteral("Foreground Color"));
        QCOMPARE(FromQRgb(m_w->frForeground()->surface().pixel(30, 4)), 0x00808080); // custom theme: grey bar
        QVERIFY(m_w->frBackground()->Font().bold() && !m_w->cpFore()->lblCopy(0)->font().bold());
        m_w->imBanner()->move(0, 0);
        m_w->showMinimized();
        m_w->showNormal(); // laid out again
        QCOMPARE(m_w->imBanner()->pos(), QPoint(34, 35));
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
        // picker, device pixel ratio, whether the program places windows (not on Wayland: hidden, not minimised)
        const std::tuple<int, double, bool> rows[] = {{1, 1.0, true}, {0, 1.0, true}, {1, 2.0, true}, {0, 1.0, false}};
        for (int i = 0; i < 4; ++i) {
            const auto& [button, ratio, places] = rows[i];
            QImage photo(QSize(640, 480) * ratio, QImage::Format_RGB32);
            for (int y = 0; y < photo.height(); ++y)
                for (int x = 0; x < photo.width(); ++x)
                    photo.setPixel(x, y, qRgb(x % 256, y % 256, 77));
            photo.setDevicePixelRatio(ratio);
            m_desk->screen.photograph = photo;
            m_desk->screen.placesWindows = places;
            Quor_Colorpicker* target = button == 0 ? m_w->cpFore() : m_w->cpBack();
            Quor_Colorpicker* other = button == 0 ? m_w->cpBack() : m_w->cpFore();
            const OLE_COLOR otherBefore = other->Color();
            click(m_w->cmdScreen(button));
            QVERIFY(places ? m_w->isMinimized() : !m_w->isVisible());
            QTRY_VERIFY(m_w->captureWindow() && m_w->captureWindow()->isVisible());
            QVERIFY(m_w->captureWindow()->isFullScreen() && !QApplication::overrideCursor());
            QWindow* w = m_w->captureWindow()->windowHandle();
            QTest::mouseMove(w, {10 + i, 20});
            QCOMPARE(target->Color(), RGB(int((10 + i) * ratio), int(20 * ratio), 77));
            QTest::mouseClick(w, Qt::RightButton, {}, {50, 60});
            QCOMPARE(target->Color(), RGB(int(50 * ratio), int(60 * ratio), 77));
            QCOMPARE(other->Color(), otherBefore);
            QVERIFY(!m_w->captureWindow()->isVisible() && !m_w->isMinimized() && m_w->isVisible());
            QCOMPARE(m_w->lblSample(0)->BackColor(), m_w->cpBack()->Color());
        }
        m_desk->screen.photograph = QImage(); // refused; then the desktop's own picker chose a pixel
        m_desk->screen.failure = QStringLiteral("The desktop refused the screenshot.");
        for (bool picks : {false, true}) {
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
        QTest::mouseClick(capture->windowHandle(), Qt::LeftButton, {}, loupe.topLeft() + QPoint(30, 40)); // under the drawing
        QCOMPARE(m_w->cpBack()->Color(), RGB(246, 206, 0));
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

    void picturesDrawnAheadAreTheOnesAskedFor()
    {
        // Text is left out: once this thread has painted a font, its glyphs
        // are drawn from that cache and may differ from a first drawing.
        using mArtwork::ButtonState;
        const auto pictures = [] {
            return QList<QImage>{mArtwork::Button("menu", ButtonState::Normal, 1.5),
                                 mArtwork::Button("close", ButtonState::Hover, 1.5), mArtwork::Button("close", ButtonState::Down, 1.5),
                                 mArtwork::LinkCursor(1.5).pixmap().toImage()};
        };
        const QList<QImage> drawnWhenAsked = pictures();
        mArtwork::DrawAhead(1.5);
        QCOMPARE(pictures(), drawnWhenAsked);
    }

    void bannerSampleHelpAndAbout()
    {
        m_desk->shell.openSucceeds = false; // a failure is ignored
        for (QWidget* w : {static_cast<QWidget*>(m_w->imBanner()), static_cast<QWidget*>(m_w->lblSample(0))})
            click(w);
        QCOMPARE(m_desk->shell.opened, QStringList(2, Util::HomePage()));
        const QUrl page(Util::HomePage()); // never a dead address: in a build tree, the guide beside the source
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
        QCOMPARE(m_w->verdict()->readout()->text(), QStringLiteral("Contrast 1.50:1 \u00B7 Fail"));
        QVERIFY(m_w->lblSample(0)->toolTip().contains(QStringLiteral("AAA normal text (7:1): fail")));
        m_w->cpFore()->setColor(RGB(0, 0, 0)); // the foreground alone changes: the banner follows
        QCOMPARE(m_w->verdict()->readout()->text(), QStringLiteral("Contrast 3.50:1 \u00B7 AA Large"));
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

    void onlyWhatChangesIsRepainted()
    {
        QTest::qWait(50); // the start-up paints go by
        struct : QObject { // each widget painted, as its class, its parent's and its name
            QStringList painted;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                return e->type() == QEvent::Paint && (painted << QString(o->metaObject()->className()) + '/' + (o->parent() ? o->parent()->metaObject()->className() : "") + '/' + static_cast<QWidget*>(o)->accessibleName(), false);
            }
        } paints;
        qApp->installEventFilter(&paints);
        const auto move = [&](QWidget* part, QPoint at) { QTest::mouseMove(window(), part->mapTo(m_w, at)), QTest::qWait(30); };
        vRGBSliders* sliders = m_w->cpFore()->cSlider();
        move(sliders, {20, 30}), move(sliders, {60, 32}); // no button: nothing changes, nothing repaints
        QCOMPARE(paints.painted, QStringList());
        QTest::mousePress(window(), Qt::LeftButton, {}, m_w->cpBack()->iPal()->mapTo(m_w, QPoint(30, 30)));
        paints.painted.clear();
        move(m_w->cpBack()->iPal(), {61, 30}); // along the palette: not the window, frames, pickers, hue bars or banner
        QVERIFY(paints.painted.contains("CaptionOverPicture/MouseLabel/")); // the contrast changed
        for (const QString& p : paints.painted)
            QVERIFY2(!p.startsWith("fMain") && !p.startsWith("zelFrames") && !p.startsWith("Quor_Colorpicker") && !p.startsWith("SurfaceBox") && !p.endsWith("Banner"), qPrintable(p));
        QTest::mouseRelease(window(), Qt::LeftButton, {}, m_w->cpBack()->iPal()->mapTo(m_w, QPoint(61, 30)));
    }

    void designTextsFitTheirControls()
    {
        m_w->cpFore()->setColor(0x00FFFFFF);
        for (QLineEdit* box : m_w->cpFore()->findChildren<QLineEdit*>()) {
            // Where a line edit sets its text: the contents less Qt's own 2 x 1 margin.
            QStyleOptionFrame opt;
            opt.initFrom(box);
            opt.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box);
            const QRect area = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box).adjusted(2, 1, -2, -1);
            const QFontMetrics fm(box->font());
            const QString text = box->text().isEmpty() ? QStringLiteral("255") : box->text();
            QVERIFY2(fm.horizontalAdvance(text) <= area.width() && fm.ascent() + fm.descent() <= area.height() + 2,
                     qPrintable(QString("\"%1\" in %2").arg(text, QFontInfo(box->font()).family())));
        }
        for (QLabel* label : m_w->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisibleTo(m_w))
                continue;
            const QRect need = label->fontMetrics().boundingRect(label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
            QVERIFY2(need.width() <= label->contentsRect().width(), qPrintable(label->text()));
        }
        for (QPushButton* button : m_w->findChildren<QPushButton*>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 6 <= button->width(), qPrintable(button->text()));
        fHelp help(m_w);
        QLabel* text = help.lblHelp();
        const QRect need = text->fontMetrics().boundingRect(text->contentsRect(), Qt::AlignLeft | Qt::TextWordWrap, text->text());
        QVERIFY(need.bottom() <= text->contentsRect().bottom() && need.right() <= text->contentsRect().right());
    }

    void tabReachesEveryPartInOrderAndEachAnswersItsKeys()
    {
        QList<QWidget*> expected;
        for (Quor_Colorpicker* p : {m_w->cpFore(), m_w->cpBack()}) {
            const vRGBSliders* s = p->cSlider();
            expected << p->iPal() << p->iHue() << s->txtColor(0) << s->txtColor(1) << s->txtColor(2) << p->keys()->favourites()
                     << p->lblCurColor() << p->txtInfo(0) << p->lblCopy(0) << p->txtInfo(1) << p->lblCopy(1) << p->txtInfo(2)
                     << p->lblCopy(2) << p->cmdStandardColors() << m_w->cmdScreen(p == m_w->cpFore() ? 0 : 1);
        }
        expected << m_w->btnForm(0) << m_w->btnForm(1) << m_w->btnForm(2);
        m_w->cpFore()->iPal()->setFocus(Qt::TabFocusReason);
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() == expected[i], qPrintable(QString::number(i)));
        }
        Quor_Colorpicker* p = m_w->cpBack();
        p->iPal()->setFocus(Qt::TabFocusReason); // palette: one cell right, then ten lower
        QTest::keyClick(p->iPal(), Qt::Key_Right);
        QCOMPARE(p->Color(), RGB(190, 65, 65)); // hue 0, saturation 0.49, lightness 0.5
        QTest::keyClick(p->iPal(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(p->Color(), RGB(152, 52, 52)); // lightness 0.4
        QWidget* grid = p->keys()->favourites(); // arrows select, Shift+Enter stores, Space loads
        grid->setFocus(Qt::TabFocusReason);
        p->setColor(0x00112233);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(p->shpSelect()->geometry().center(), p->lblCol(5)->geometry().center());
        QTest::keyClick(grid, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(p->sColor(6), 0x00112233);
        p->setsColor(7, 0x00445566);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(p->Color(), 0x00445566);
        p->lblCopy(2)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(p->lblCopy(2), Qt::Key_Return);
        QCOMPARE(m_desk->clipboard.held, QStringLiteral("#665544"));
        QLineEdit* green = p->cSlider()->txtColor(1); // the Menu key in a box opens the ramp menu
        green->setFocus();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2), green->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(green, &menuKey);
        QCOMPARE(m_desk->menus.shownItems.size(), 1);
        QCOMPARE(m_desk->menus.shownItems[0][0].caption, QStringLiteral("RGB Spectrum"));
    }

    void screenReadersHearNamesAndValues()
    {
        Quor_Colorpicker* fore = m_w->cpFore();
        fore->setColor(RGB(255, 0, 0));
        fore->setsColor(3, RGB(0x00, 0xFF, 0x80));
        using A = QAccessible;
        const std::tuple<QObject*, QAccessible::Text, QString> rows[] = {
            {fore->iPal(), A::Name, "Foreground palette"}, {m_w->cpBack()->iHue(), A::Name, "Background hue bar"},
            {fore->cSlider()->txtColor(0), A::Name, "Red"}, {fore->cSlider()->txtColor(0), A::Value, "255"},
            {fore->lblCol(2), A::Name, "Favourite 3"}, {fore->lblCol(2), A::Value, "#00FF80"},
            {fore->lblCurColor(), A::Value, "#FF0000"}, {fore->txtInfo(2), A::Name, "HTML"},
            {fore->lblCopy(2), A::Name, "Copy HTML"}, {fore->lblCopy(2), A::Description, "copy with Enter"},
            {m_w->btnForm(1), A::Name, "Minimise"}};
        for (const auto& [object, text, expected] : rows)
            QCOMPARE(nameOf(object, text), expected);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_fMain.moc"
