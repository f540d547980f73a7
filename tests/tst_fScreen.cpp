// The capture window as a tool: where its magnifier goes, what it reads
// out, the keys, and the way out.
#include "app/CaptureLoupe.h"
#include "app/fMain.h"
#include "app/fScreen.h"
#include "fakes/FakeDesktop.h"
#include "picker/Quor_Colorpicker.h"

#include <QPushButton>
#include <QtTest>

// Every device pixel of the photograph encodes its own position.
static OLE_COLOR encoded(int x, int y) { return RGB(x & 255, y & 255, (x >> 8) | ((y >> 8) << 4)); }

class TestCapture : public QObject {
    Q_OBJECT
    std::unique_ptr<FakeDesktop> m_desk;
    std::unique_ptr<fMain> m_w;
    fScreen* m_capture = nullptr;
    // The main window over the photograph, its capture opened for picker `button`.
    void open(qreal ratio, int button)
    {
        QImage photo(QSize(640, 480) * ratio, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) | ((y >> 8) << 4)));
        photo.setDevicePixelRatio(ratio);
        m_desk->screen.photograph = photo;
        QTest::mouseClick(m_w->cmdScreen(button), Qt::LeftButton);
        QTRY_VERIFY(m_w->captureWindow() && m_w->captureWindow()->isVisible());
        m_capture = m_w->captureWindow();
    }

private slots:
    void init()
    {
        m_desk = std::make_unique<FakeDesktop>();
        m_w = std::make_unique<fMain>();
        m_w->Form_Load();
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
        QTest::mouseMove(m_w->windowHandle(), {3, 3}); // Qt drops a move to where the pointer already is
    }
    void cleanup() { m_w.reset(), m_desk.reset(); }

    void loupeStaysBesideThePointerOnItsScreen()
    {
        const QRect first(0, 0, 800, 600), second(800, 0, 640, 480);
        // The loupe is 110 x 130 with its read-out, 16 away from the pointer.
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
        QCOMPARE(CaptureLoupe::OutlineFor(qRgb(255, 255, 255)), QColor(Qt::black));
        QCOMPARE(CaptureLoupe::OutlineFor(qRgb(0, 0, 128)), QColor(Qt::white));
    }

    void cancelRestoresTheColourInOneAssignment_data()
    {
        QTest::addColumn<bool>("byWindowManager");
        QTest::newRow("Escape") << false;
        QTest::newRow("the window manager's close") << true;
    }
    void cancelRestoresTheColourInOneAssignment()
    {
        QFETCH(bool, byWindowManager);
        m_w->cpFore()->setColor(0x00336699);
        open(1.0, 0);
        QTest::mouseMove(m_capture->windowHandle(), {10, 20});
        QTest::mouseMove(m_capture->windowHandle(), {300, 200});
        QCOMPARE(m_w->cpFore()->Color(), encoded(300, 200));
        QStringList seen;
        connect(m_w->cpFore(), &Quor_Colorpicker::Colorchanged, this, [&] { seen << QString::number(m_w->cpFore()->Color(), 16); });
        if (byWindowManager)
            m_capture->close();
        else
            QTest::keyClick(m_capture, Qt::Key_Escape);
        QVERIFY(!m_capture->isVisible() && m_w->isVisible() && !m_w->isMinimized());
        // From RGB(44, 200, 1) back to #996633: channel by channel, then the whole.
        QCOMPARE(seen, QStringList({"1c899", "16699", "336699", "336699"}));
        QCOMPARE(m_w->cpBack()->Color(), 0); // the other picker untouched
    }

    void loupeIsDrawnOverThePhotographNotIntoIt()
    {
        open(1.0, 1);
        QTest::mouseMove(m_capture->windowHandle(), {200, 150});
        const QRect loupe = m_capture->loupeArea();
        QCOMPARE(loupe.topLeft(), QPoint(216, 166));
        // On the screen: the middle cell magnifies the pointed pixel, 10 times.
        const QImage shown = m_capture->grab().toImage();
        QCOMPARE(shown.pixel(loupe.left() + 55, loupe.top() + 55) & 0xFFFFFF, 0x00C89600u); // (200, 150)
        QCOMPARE(shown.pixel(loupe.left() + 5, loupe.top() + 5) & 0xFFFFFF, 0x00C39100u);   // (195, 145)
        const QPoint under = loupe.topLeft() + QPoint(30, 40); // under the drawing: still the photograph
        QTest::mouseClick(m_capture->windowHandle(), Qt::LeftButton, {}, under);
        QCOMPARE(m_w->cpBack()->Color(), encoded(under.x(), under.y()));
        QVERIFY(!m_capture->isVisible());
    }
};

QTEST_MAIN(TestCapture)
#include "tst_fScreen.moc"
