#include "app/MainLayout.h"
#include "app/Util.h"
#include "app/fAbout.h"
#include "app/fHelp.h"
#include "app/fMain.h"
#include "app/fScreen.h"
#include "app/mSetup.h"
#include "fakes/FakeDesktop.h"
#include "fakes/MainWindowOnFakes.h"
#include "fakes/MouseEvents.h"
#include "platform/QtColour.h"
#include "picker/Quor_Colorpicker.h"
#include "widgets/MouseLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/zelFrames.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionFrame>
#include <QPushButton>
#include <QRegularExpression>
#include <QtEndian>
#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray seededFile()
{
    QByteArray bytes(SetupData::FileSize, '\0');
    auto put = [&](int offset, std::int32_t v) { qToLittleEndian(v, bytes.data() + offset); };
    put(0, 0x00336699);
    put(4, 0x00102030);
    for (int n = 1; n <= 12; ++n) {
        put(8 + 4 * (n - 1), 0x00010000 * n);
        put(60 + 4 * (n - 1), n);
    }
    put(56, 777);
    put(108, -5);
    return bytes;
}

OLE_COLOR textColorOf(const QWidget* w)
{
    const QColor c = w->palette().color(QPalette::WindowText);
    return RGB(c.red(), c.green(), c.blue());
}

void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(2, 2))
{
    QTest::mousePress(w, button, Qt::NoModifier, at);
    QTest::mouseRelease(w, button, Qt::NoModifier, at);
}

void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    sendMouse(w, type, at, button, held);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startupShowsTheSeededColours();
    void backgroundChangeLeavesTheForegroundAlone();
    void menuOffersHelpAboveAboutAndOpensEachOnce();
    void minimiseTwiceStaysMinimised();
    void closingSavesOnceInTransferOrderAndEnds();
    void layoutPlacesBannerAndSampleStrip();
    void layoutRunsAgainAfterRestore();
    void sampleStaysSymmetric_data();
    void sampleStaysSymmetric();
    void framesHaveTheirDesignValues();
    void captureFillsOnlyTheTargetAndRestoresTheWindow_data();
    void captureFillsOnlyTheTargetAndRestoresTheWindow();
    void unreadableScreenTellsAndChangesNothing_data();
    void unreadableScreenTellsAndChangesNothing();
    void bannerAndSampleOpenTheWebPage();
    void helpTextAndWindow();
    void aboutBoxVersionKeysAndSystemInfo();

private:
    std::unique_ptr<FakeDesktop> m_desk;
    fMain* m_w = nullptr;
};

void TestMainWindow::init()
{
    QVERIFY(OpenMainWindow(m_desk, m_w, seededFile()));
}

void TestMainWindow::cleanup()
{
    CloseMainWindow(m_desk, m_w);
}

void TestMainWindow::startupShowsTheSeededColours()
{
    QCOMPARE(m_w->windowTitle(), QStringLiteral("Tintaro by Tolvex"));
    QCOMPARE(m_w->size(), QSize(536, 474));
    QCOMPARE(m_w->cpFore()->Color(), 0x00336699);
    QCOMPARE(m_w->cpBack()->Color(), 0x00102030);
    for (int n = 1; n <= 12; ++n) {
        QCOMPARE(m_w->cpFore()->sColor(n), 0x00010000 * n);
        QCOMPARE(m_w->cpBack()->sColor(n), n);
    }
    QCOMPARE(m_w->lblSample(0)->text(), QStringLiteral("Visit Tolvex"));
    QCOMPARE(m_w->lblSample(0)->font().pointSize(), 16);
    QVERIFY(m_w->lblSample(0)->font().bold());
    QCOMPARE(textColorOf(m_w->lblSample(0)), 0x00336699);
    QCOMPARE(m_w->lblSample(0)->BackColor(), 0x00102030);
    for (int i : {1, 3})
        QCOMPARE(m_w->lblSample(i)->BackColor(), 0x00102030);
    for (int i : {2, 4})
        QCOMPARE(m_w->lblSample(i)->BackColor(), 0x00336699);
    // What the strip shows on the screen: the foreground swatch's middle.
    const QImage shot = m_w->grab().toImage();
    QCOMPARE(shot.pixelColor(m_w->lblSample(4)->geometry().center()), QColor(0x99, 0x66, 0x33));
    QVERIFY(m_desk->messages.shown.isEmpty());
}

void TestMainWindow::backgroundChangeLeavesTheForegroundAlone()
{
    m_w->cpBack()->setColor(0x00ABCDEF);
    QCOMPARE(textColorOf(m_w->lblSample(0)), 0x00336699);
    QCOMPARE(m_w->lblSample(2)->BackColor(), 0x00336699);
    QCOMPARE(m_w->lblSample(4)->BackColor(), 0x00336699);
    QCOMPARE(m_w->lblSample(0)->BackColor(), 0x00ABCDEF);
    QCOMPARE(m_w->lblSample(3)->BackColor(), 0x00ABCDEF);
}

void TestMainWindow::menuOffersHelpAboveAboutAndOpensEachOnce()
{
    m_desk->pointer.pos = QPoint(600, 20);
    m_desk->menus.answer = 1001;
    click(m_w->btnForm(0));
    QCOMPARE(m_desk->menus.shownItems.size(), 1);
    const auto& items = m_desk->menus.shownItems[0];
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0].caption, QStringLiteral("Quick Help"));
    QCOMPARE(items[0].id, 1001);
    QCOMPARE(items[1].caption, QStringLiteral("About"));
    QCOMPARE(items[1].id, 1000);
    QCOMPARE(m_desk->menus.shownAt[0], QPoint(600, 20));
    QCOMPARE(m_desk->menus.alignments[0], PopupMenu::RightAtPoint);
    fHelp* help = m_w->helpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->parentWidget(), static_cast<QWidget*>(m_w));

    click(m_w->btnForm(0));
    QCOMPARE(m_w->helpWindow(), help); // brought forward, not copied

    m_desk->menus.answer = 1000;
    click(m_w->btnForm(0));
    QVERIFY(m_w->aboutWindow() && m_w->aboutWindow()->isVisible());
    fAbout* about = m_w->aboutWindow();
    click(m_w->btnForm(0));
    QCOMPARE(m_w->aboutWindow(), about);

    m_desk->menus.answer = -1; // dismissed
    click(m_w->btnForm(0));
    QCOMPARE(m_desk->menus.shownItems.size(), 5);
}

void TestMainWindow::minimiseTwiceStaysMinimised()
{
    click(m_w->btnForm(1));
    QVERIFY(m_w->isMinimized());
    click(m_w->btnForm(1));
    QVERIFY(m_w->isMinimized());
    m_w->showNormal();
    QVERIFY(!m_w->isMinimized());
}

void TestMainWindow::closingSavesOnceInTransferOrderAndEnds()
{
    m_desk->menus.answer = 1001;
    click(m_w->btnForm(0));
    QPointer<fHelp> help = m_w->helpWindow();
    m_w->cpFore()->setsColor(12, 0x00ABCDEF);
    m_w->cpBack()->setColor(0x00FEDCBA);

    click(m_w->btnForm(2));
    QCOMPARE(m_desk->shell.quits, 1);
    QVERIFY(help.isNull());
    QFile f(m_desk->settingsFile());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QByteArray expected = seededFile();
    qToLittleEndian<std::int32_t>(0x00ABCDEF, expected.data() + 8 + 4 * 11);
    qToLittleEndian<std::int32_t>(0x00FEDCBA, expected.data() + 4);
    QCOMPARE(f.readAll(), expected); // the spares at 56 and 108 survive too

    m_w->close(); // the system's close command after that: no second save
    QCOMPARE(m_desk->files.writeCount, 1);
    QCOMPARE(m_desk->shell.quits, 1);
}

void TestMainWindow::layoutPlacesBannerAndSampleStrip()
{
    const MainLayout l = MainLayout::Compute(536, {264, 25}, {468, 60},
                                             {QSizeF(222, 50), QSizeF(75, 51), QSizeF(54, 35), QSizeF(75, 51), QSizeF(54, 35)}, 415);
    QCOMPARE(l.imBanner.topLeft(), QPointF(34, 35));
    QCOMPARE(l.lblLogo.topLeft(), QPointF(0, 10));
    QCOMPARE(l.lblSample[0].topLeft(), QPointF(157, 415));
    QCOMPARE(l.lblSample[1], QRectF(389, 415, 75, 50));
    QCOMPARE(l.lblSample[2].topLeft(), QPointF(399.5, 422.5));
    QCOMPARE(l.lblSample[3], QRectF(72, 415, 75, 50));
    QCOMPARE(l.lblSample[4].topLeft(), QPointF(82.5, 422.5));

    QCOMPARE(m_w->imBanner()->geometry(), QRect(34, 35, 468, 60));
    QCOMPARE(m_w->lblSample(0)->geometry(), QRect(157, 415, 222, 50));
    QCOMPARE(m_w->lblSample(3)->geometry(), QRect(72, 415, 75, 50));
    // The inner swatches sit on half pixels; halves go to the even neighbour.
    QCOMPARE(m_w->lblSample(4)->pos(), QPoint(82, 422));
    QCOMPARE(m_w->lblSample(2)->pos(), QPoint(400, 422));
    QCOMPARE(m_w->cpBack()->mapTo(m_w, QPoint(0, 0)), QPoint(272 + 17, 106 + 42));

    // The shadows lie only under the frames: nothing black shows between
    // the banner and the frames.
    QCOMPARE(m_w->surface().pixelColor(30, 100), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(m_w->surface().pixelColor(100, 200), QColor(Qt::black));

    QImage surface(300, 300, QImage::Format_RGB32);
    surface.fill(Qt::white);
    Util::DrawShadow(surface, QRect(17, 42, 214, 222));
    QCOMPARE(surface.pixelColor(27, 50), QColor(Qt::black));
    QCOMPARE(surface.pixelColor(239, 274), QColor(Qt::black));
    QCOMPARE(surface.pixelColor(26, 50), QColor(Qt::white));
    QCOMPARE(surface.pixelColor(240, 274), QColor(Qt::white));
}

void TestMainWindow::layoutRunsAgainAfterRestore()
{
    m_w->imBanner()->move(0, 0);
    m_w->lblSample(3)->move(0, 0);
    m_w->showMinimized();
    m_w->showNormal();
    QCOMPARE(m_w->imBanner()->pos(), QPoint(34, 35));
    QCOMPARE(m_w->lblSample(3)->pos(), QPoint(72, 415));
}

void TestMainWindow::sampleStaysSymmetric_data()
{
    QTest::addColumn<double>("sample");
    QTest::addColumn<double>("swatch");
    QTest::newRow("design") << 222.0 << 75.0;
    QTest::newRow("odd widths") << 101.0 << 33.0;
    QTest::newRow("wide") << 400.0 << 10.0;
}

void TestMainWindow::sampleStaysSymmetric()
{
    QFETCH(double, sample);
    QFETCH(double, swatch);
    const MainLayout l = MainLayout::Compute(536, {10, 10}, {10, 10},
                                             {QSizeF(sample, 50), QSizeF(swatch, 20), QSizeF(7, 7), QSizeF(swatch, 20), QSizeF(7, 7)}, 400);
    QCOMPARE(l.lblSample[0].center().x(), 268.0);
    QCOMPARE(l.lblSample[1].left() - 268, 268 - l.lblSample[3].right());
    QCOMPARE(l.lblSample[2].center(), l.lblSample[1].center());
    QCOMPARE(l.lblSample[4].center(), l.lblSample[3].center());
}

void TestMainWindow::framesHaveTheirDesignValues()
{
    const zelFrames* fore = m_w->frForeground();
    const zelFrames* back = m_w->frBackground();
    QCOMPARE(fore->Caption(), QStringLiteral("Foreground Color"));
    QCOMPARE(back->Caption(), QStringLiteral("Background Color"));
    QCOMPARE(FromQRgb(fore->surface().pixel(30, 4)), fore->ThemeTo()); // custom theme: grey bar
    QCOMPARE(fore->ThemeTo(), 0x00808080);
    QVERIFY(fore->RoundedCornerTxtBox() && !back->RoundedCornerTxtBox());
    QVERIFY(back->Font().bold());
    QVERIFY(!m_w->cpFore()->lblCopy(0)->font().bold()); // the frame's bold font stays out of the picker
}

void TestMainWindow::captureFillsOnlyTheTargetAndRestoresTheWindow_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("placesWindows");
    QTest::newRow("background picker") << 1 << 1.0 << true;
    QTest::newRow("foreground picker") << 0 << 1.0 << true;
    QTest::newRow("high-density screen") << 1 << 2.0 << true;
    QTest::newRow("Wayland: hidden, not minimised") << 0 << 1.0 << false;
}

void TestMainWindow::captureFillsOnlyTheTargetAndRestoresTheWindow()
{
    QFETCH(int, button);
    QFETCH(double, ratio);
    QFETCH(bool, placesWindows);
    QImage photo(QSize(640, 480) * ratio, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x % 256, y % 256, 77));
    photo.setDevicePixelRatio(ratio);
    m_desk->screen.photograph = photo;
    m_desk->screen.placesWindows = placesWindows;
    const auto expected = [&](int x, int y) { return RGB(int(x * ratio), int(y * ratio), 77); };

    Quor_Colorpicker* target = button == 0 ? m_w->cpFore() : m_w->cpBack();
    Quor_Colorpicker* other = button == 0 ? m_w->cpBack() : m_w->cpFore();
    const OLE_COLOR otherBefore = other->Color();
    QTest::mouseClick(m_w->cmdScreen(button), Qt::LeftButton);
    QCOMPARE(fMain::CaptureForeground, button == 0);
    QVERIFY(placesWindows ? m_w->isMinimized() : !m_w->isVisible());
    QTRY_VERIFY(m_w->captureWindow() && m_w->captureWindow()->isVisible());
    fScreen* capture = m_w->captureWindow();
    QVERIFY(capture->isFullScreen());
    QCOMPARE(m_desk->screen.captures, 1);
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    send(capture, QEvent::MouseMove, QPoint(10, 20), Qt::NoButton, Qt::NoButton);
    QCOMPARE(target->Color(), expected(10, 20));
    send(capture, QEvent::MouseMove, QPoint(30, 40), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(target->Color(), expected(30, 40));
    send(capture, QEvent::MouseButtonPress, QPoint(50, 60), Qt::RightButton, Qt::RightButton);
    QCOMPARE(target->Color(), expected(50, 60));
    QCOMPARE(other->Color(), otherBefore);
    QVERIFY(!capture->isVisible());
    QVERIFY(!m_w->isMinimized());
    QVERIFY(m_w->isVisible());
    QCOMPARE(textColorOf(m_w->lblSample(0)), m_w->cpFore()->Color());
    QCOMPARE(m_w->lblSample(0)->BackColor(), m_w->cpBack()->Color());
}

void TestMainWindow::unreadableScreenTellsAndChangesNothing_data()
{
    QTest::addColumn<bool>("picks");
    QTest::newRow("refused: a message, both pickers as they were") << false;
    QTest::newRow("the desktop's own picker chose a pixel") << true;
}

void TestMainWindow::unreadableScreenTellsAndChangesNothing()
{
    QFETCH(bool, picks);
    m_desk->screen.photograph = QImage();
    m_desk->screen.failure = QStringLiteral("The desktop refused the screenshot.");
    if (picks)
        m_desk->screen.picked = 0x00C0FFEE;
    const OLE_COLOR fore = m_w->cpFore()->Color(), back = m_w->cpBack()->Color();
    QSignalSpy changed(m_w->cpBack(), &Quor_Colorpicker::Colorchanged);
    QTest::mouseClick(m_w->cmdScreen(1), Qt::LeftButton);
    QTRY_VERIFY(!m_w->isMinimized() && m_w->isVisible());
    QTRY_COMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(!m_w->captureWindow() || !m_w->captureWindow()->isVisible());
    QCOMPARE(m_w->cpFore()->Color(), fore);
    if (picks) {
        QCOMPARE(m_w->cpBack()->Color(), 0x00C0FFEE);
        QVERIFY(m_desk->messages.shown.isEmpty());
    } else {
        QCOMPARE(m_w->cpBack()->Color(), back);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(m_desk->messages.shown.size(), 1);
        QCOMPARE(m_desk->messages.shown[0].title, QStringLiteral("Tintaro"));
        QCOMPARE(m_desk->messages.shown[0].text, QStringLiteral("The screen could not be read. The desktop refused the screenshot."));
    }
}

void TestMainWindow::bannerAndSampleOpenTheWebPage()
{
    m_desk->shell.openSucceeds = false; // a failure is ignored
    click(m_w->imBanner());
    click(m_w->lblSample(0));
    click(m_w->lblSample(3));
    QCOMPARE(m_desk->shell.opened, QStringList(3, Util::HomePage()));
    // Never a dead address: in a build tree, the user guide beside the source.
    const QUrl page(Util::HomePage());
    QVERIFY(page.isLocalFile() && QFileInfo::exists(page.toLocalFile()));
    QVERIFY(page.toLocalFile().endsWith(QStringLiteral("docs/user-guide.html")));
    QVERIFY(m_desk->messages.shown.isEmpty());
    QCOMPARE(m_w->imBanner()->cursor().shape(), Qt::BitmapCursor);
}

void TestMainWindow::helpTextAndWindow()
{
    const QString text = fHelp::HelpText();
    QVERIFY(text.startsWith(QLatin1Char('\r')));
    const QStringList lines = text.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].isEmpty());
    QVERIFY(lines[2].isEmpty());
    QVERIFY(lines[1].startsWith(QStringLiteral("Using Tintaro is very easy.")));
    QVERIFY(lines[3].contains(QStringLiteral("\"From Screen\" buttons.Tintaro will minimize, and a \"Bullseye\" cursor")));
    QVERIFY(lines[3].contains(QStringLiteral("select the color.Tintaro will then re-appear,")));
    QVERIFY(lines[3].contains(QStringLiteral(" \"Color Sliders\" ")));
    QVERIFY(lines[3].endsWith(QStringLiteral("pasted into another application in the conventional manner.")));

    fHelp help(m_w);
    QCOMPARE(help.windowTitle(), QStringLiteral("Quick Help"));
    QCOMPARE(help.size(), QSize(488, 326));
    QCOMPARE(help.lblHelp()->geometry(), QRect(10, 10, 468, 306));
    QVERIFY(help.lblHelp()->wordWrap());
    QCOMPARE(help.lblHelp()->text().count(QLatin1Char('\n')), 3);
}

void TestMainWindow::aboutBoxVersionKeysAndSystemInfo()
{
    auto* about = new fAbout(m_w);
    QPointer<fAbout> guard(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Tintaro"));
    QVERIFY(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(about->lblVersion()->text()).hasMatch());
    QVERIFY(about->lblDescription()->text().endsWith(Util::HomePage()));
    QCOMPARE(about->cmdSysInfo()->text(), QStringLiteral("&System Info..."));

    QTest::mouseClick(about->cmdSysInfo(), Qt::LeftButton);
    QCOMPARE(m_desk->messages.shown.size(), 1);
    QCOMPARE(m_desk->messages.shown[0].kind, QStringLiteral("plain"));
    QCOMPARE(m_desk->messages.shown[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
    m_desk->shell.installed = {QStringLiteral("hardinfo")};
    QTest::mouseClick(about->cmdSysInfo(), Qt::LeftButton);
    QCOMPARE(m_desk->shell.started, QStringList({QStringLiteral("/usr/bin/hardinfo")}));
    QCOMPARE(m_desk->messages.shown.size(), 1);

    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QTest::keyClick(about, Qt::Key_Escape);
    QTRY_VERIFY(guard.isNull());

    auto* second = new fAbout(m_w);
    QPointer<fAbout> guard2(second);
    second->show();
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QTest::keyClick(second, Qt::Key_Return);
    QTRY_VERIFY(guard2.isNull());
}

QTEST_MAIN(TestMainWindow)
#include "tst_fMain.moc"
