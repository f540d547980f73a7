// The capture window as a tool: where its magnifier goes, what it reads
// out, the keys, and the way out.
#include "app/CaptureLoupe.h"
#include "app/fMain.h"
#include "app/fScreen.h"
#include "fakes/FakeDesktop.h"
#include "fakes/MouseEvents.h"
#include "picker/Quor_Colorpicker.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Every device pixel encodes its own position.
QImage coordinates(QSize size, qreal ratio)
{
    QImage photo(size * ratio, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) | ((y >> 8) << 4)));
    photo.setDevicePixelRatio(ratio);
    return photo;
}

OLE_COLOR encoded(int x, int y)
{
    return RGB(x & 255, y & 255, (x >> 8) | ((y >> 8) << 4));
}

// The main window over a photograph of every pixel's position, its capture
// opened from the frame of picker `button`.
struct Session {
    FakeDesktop desk;
    fMain w;
    fScreen* capture = nullptr;
    explicit Session(qreal ratio)
    {
        desk.screen.photograph = coordinates({640, 480}, ratio);
        w.Form_Load();
        w.show();
    }
    bool open(int button)
    {
        QTest::mouseClick(w.cmdScreen(button), Qt::LeftButton);
        const bool shown = QTest::qWaitFor([&] { return w.captureWindow() && w.captureWindow()->isVisible(); }, 5000);
        capture = w.captureWindow();
        return shown;
    }
};

void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(w, k, mods);
}

} // namespace

class TestCapture : public QObject {
    Q_OBJECT
private slots:
    void loupeStaysBesideThePointerOnItsScreen_data();
    void loupeStaysBesideThePointerOnItsScreen();
    void readoutAndOutline();
    void keysMoveByDevicePixelsAndEnterTakes_data();
    void keysMoveByDevicePixelsAndEnterTakes();
    void cancelRestoresTheColourInOneAssignment_data();
    void cancelRestoresTheColourInOneAssignment();
    void loupeIsDrawnOverThePhotographNotIntoIt();
};

void TestCapture::loupeStaysBesideThePointerOnItsScreen_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("topLeft");
    const QRect first(0, 0, 800, 600), second(800, 0, 640, 480);
    // The loupe is 110 x 130 with its read-out, 16 away from the pointer.
    QTest::newRow("middle: below right") << QPoint(300, 200) << first << QPoint(316, 216);
    QTest::newRow("right edge: to the left") << QPoint(700, 200) << first << QPoint(574, 216);
    QTest::newRow("bottom edge: above") << QPoint(300, 500) << first << QPoint(316, 354);
    QTest::newRow("bottom right corner: above left") << QPoint(799, 599) << first << QPoint(673, 453);
    QTest::newRow("top left corner") << QPoint(0, 0) << first << QPoint(16, 16);
    QTest::newRow("last column fitting on the right") << QPoint(674, 0) << first << QPoint(690, 16);
    QTest::newRow("one more: flips") << QPoint(675, 0) << first << QPoint(549, 16);
    QTest::newRow("second screen, its right edge") << QPoint(1430, 100) << second << QPoint(1304, 116);
    QTest::newRow("second screen, its left edge") << QPoint(801, 470) << second << QPoint(817, 324);
}

void TestCapture::loupeStaysBesideThePointerOnItsScreen()
{
    QFETCH(QPoint, pointer);
    QFETCH(QRect, screen);
    QFETCH(QPoint, topLeft);
    const CaptureLoupe::Placement p = CaptureLoupe::Place(pointer, screen);
    QCOMPARE(p.loupe.topLeft(), topLeft);
    QCOMPARE(p.loupe.size(), QSize(110, 110));
    QCOMPARE(p.readout, QRect(topLeft.x(), topLeft.y() + 110, 110, 20));
    QVERIFY(screen.contains(p.whole()));
    QVERIFY(!p.whole().contains(pointer));
}

void TestCapture::readoutAndOutline()
{
    QCOMPARE(CaptureLoupe::Readout(qRgb(0x12, 0xAB, 0xEF), QPoint(7, 300)), QStringLiteral("#12ABEF  7, 300"));
    QCOMPARE(CaptureLoupe::Readout(qRgb(0, 0, 0), QPoint(1919, 0)), QStringLiteral("#000000  1919, 0"));
    QCOMPARE(CaptureLoupe::OutlineFor(qRgb(255, 255, 255)), QColor(Qt::black));
    QCOMPARE(CaptureLoupe::OutlineFor(qRgb(0, 0, 128)), QColor(Qt::white));
    QCOMPARE(CaptureLoupe::OutlineFor(qRgb(255, 255, 0)), QColor(Qt::black));
}

void TestCapture::keysMoveByDevicePixelsAndEnterTakes_data()
{
    QTest::addColumn<double>("ratio");
    QTest::newRow("scale 1") << 1.0;
    QTest::newRow("scale 2: one device pixel, half a logical one") << 2.0;
}

void TestCapture::keysMoveByDevicePixelsAndEnterTakes()
{
    QFETCH(double, ratio);
    Session session(ratio);
    QVERIFY(session.open(1));
    fMain& w = session.w;
    fScreen* capture = session.capture;
    QVERIFY(capture->hintShown());
    sendMouse(capture, QEvent::MouseMove, QPoint(100, 80), Qt::NoButton, Qt::NoButton);
    QVERIFY(!capture->hintShown()); // gone once the pointer moves
    const QPoint start = QPoint(100, 80) * ratio;
    QCOMPARE(w.cpBack()->Color(), encoded(start.x(), start.y()));
    for (int i = 0; i < 3; ++i)
        key(capture, Qt::Key_Right);
    QCOMPARE(w.cpBack()->Color(), encoded(start.x() + 3, start.y()));
    key(capture, Qt::Key_Down, Qt::ShiftModifier);
    key(capture, Qt::Key_Left);
    QCOMPARE(capture->pointed(), start + QPoint(2, 10));
    QCOMPARE(w.cpBack()->Color(), encoded(start.x() + 2, start.y() + 10));
    key(capture, Qt::Key_Return);
    QVERIFY(!capture->isVisible());
    QVERIFY(w.isVisible() && !w.isMinimized());
    QCOMPARE(w.cpBack()->Color(), encoded(start.x() + 2, start.y() + 10));
}

void TestCapture::cancelRestoresTheColourInOneAssignment_data()
{
    QTest::addColumn<bool>("byWindowManager");
    QTest::newRow("Escape") << false;
    QTest::newRow("the window manager's close") << true;
}

void TestCapture::cancelRestoresTheColourInOneAssignment()
{
    QFETCH(bool, byWindowManager);
    Session session(1.0);
    fMain& w = session.w;
    w.cpFore()->setColor(0x00336699);
    QVERIFY(session.open(0));
    fScreen* capture = session.capture;
    sendMouse(capture, QEvent::MouseMove, QPoint(10, 20), Qt::NoButton, Qt::NoButton);
    sendMouse(capture, QEvent::MouseMove, QPoint(300, 200), Qt::NoButton, Qt::NoButton);
    QCOMPARE(w.cpFore()->Color(), encoded(300, 200));

    // What one assignment from here back to the old colour raises, measured
    // on a picker of its own.
    Quor_Colorpicker reference;
    reference.setColor(encoded(300, 200));
    QSignalSpy referenceSpy(&reference, &Quor_Colorpicker::Colorchanged);
    reference.setColor(0x00336699);

    QSignalSpy spy(w.cpFore(), &Quor_Colorpicker::Colorchanged);
    const OLE_COLOR back = w.cpBack()->Color();
    if (byWindowManager)
        capture->close();
    else
        key(capture, Qt::Key_Escape);
    QVERIFY(!capture->isVisible());
    QCOMPARE(w.cpFore()->Color(), 0x00336699);
    QCOMPARE(spy.count(), referenceSpy.count());
    QCOMPARE(w.cpBack()->Color(), back);
    QVERIFY(w.isVisible() && !w.isMinimized());
}

void TestCapture::loupeIsDrawnOverThePhotographNotIntoIt()
{
    Session session(1.0);
    QVERIFY(session.open(1));
    fMain& w = session.w;
    fScreen* capture = session.capture;
    sendMouse(capture, QEvent::MouseMove, QPoint(200, 150), Qt::NoButton, Qt::NoButton);
    const QRect loupe = capture->loupeArea();
    QCOMPARE(loupe.topLeft(), QPoint(216, 166));
    // On the screen: the middle cell magnifies the pointed pixel, 10 times.
    const QImage shown = capture->grab().toImage();
    QCOMPARE(shown.pixel(loupe.left() + 55, loupe.top() + 55) & 0xFFFFFF, 0x00C89600u); // (200, 150)
    QCOMPARE(shown.pixel(loupe.left() + 5, loupe.top() + 5) & 0xFFFFFF, 0x00C39100u);   // (195, 145)
    // A pixel under the loupe's drawing still samples the photograph.
    const QPoint under = loupe.topLeft() + QPoint(30, 40);
    sendMouse(capture, QEvent::MouseMove, under, Qt::NoButton, Qt::NoButton);
    QCOMPARE(w.cpBack()->Color(), encoded(under.x(), under.y()));
    sendMouse(capture, QEvent::MouseButtonPress, under, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(w.cpBack()->Color(), encoded(under.x(), under.y()));
    QVERIFY(!capture->isVisible());
}

QTEST_MAIN(TestCapture)
#include "tst_fScreen.moc"
