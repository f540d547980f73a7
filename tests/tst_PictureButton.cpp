#include "fakes/FakeDesktop.h"
#include "fakes/MouseEvents.h"
#include "widgets/PictureButton.h"
#include "widgets/PropertyBag.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QImage solid(QColor c, QSize size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(c);
    return img;
}

const QImage Normal = solid(Qt::red, {20, 10});
const QImage Hover = solid(Qt::green, {24, 12});
const QImage Down = solid(Qt::blue, {16, 8});

void send(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPointF at = {3, 4})
{
    sendMouse(w, type, at, button, held, Qt::ShiftModifier);
}

QRgb shown(const PictureButton& b)
{
    return b.surface().pixel(1, 1);
}

} // namespace

class TestPictureButton : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void enteringRaisesMouseEnterOnceAndStartsTracking();
    void pressShowsDownAndReleaseShowsHover();
    void rightButtonDoesNotPress();
    void leavingIsNoticedFromTheLeaveAndRestingCostsNothing();
    void dragOutsideResetsWithoutAnEvent();
    void pictureChangesShowOnlyInTheirState();
    void sizeFollowsThePictureShown();
    void persistenceStoresOnlySetPictures();

private:
    std::unique_ptr<FakeDesktop> m_desk;
    FakePointer* m_pointer = nullptr;
    PictureButton* m_b = nullptr;
};

void TestPictureButton::init()
{
    m_desk = std::make_unique<FakeDesktop>();
    m_pointer = &m_desk->pointer;
    m_b = new PictureButton;
    m_b->UserControl_InitProperties();
    m_b->setPicture(Normal);
    m_b->setPictureHover(Hover);
    m_b->setPictureDown(Down);
    m_b->show();
}

void TestPictureButton::cleanup()
{
    delete m_b;
    m_desk.reset();
}

void TestPictureButton::enteringRaisesMouseEnterOnceAndStartsTracking()
{
    QStringList order;
    connect(m_b, &PictureButton::MouseMove, this, [&](std::int16_t b, std::int16_t s, float x, float y) {
        order.append(QStringLiteral("move %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y));
    });
    connect(m_b, &PictureButton::MouseEnter, this, [&] { order.append(QStringLiteral("enter")); });
    m_pointer->under = m_b;
    send(m_b, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {3.5, 4});
    send(m_b, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {6, 4});
    QCOMPARE(order, QStringList({"move 0 1 3.5 4", "enter", "move 0 1 6 4"}));
    QCOMPARE(int(m_b->state()), 1);
    QVERIFY(m_b->tracking());
    QCOMPARE(shown(*m_b), qRgb(0, 255, 0));
    QCOMPARE(m_b->size(), QSize(24, 12));
}

void TestPictureButton::pressShowsDownAndReleaseShowsHover()
{
    m_pointer->under = m_b;
    QSignalSpy enter(m_b, &PictureButton::MouseEnter);
    QSignalSpy click(m_b, &PictureButton::Click);
    send(m_b, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    send(m_b, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(shown(*m_b), qRgb(0, 0, 255));
    send(m_b, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton); // clears the hover flag
    QVERIFY(!m_b->hoverFlag());
    send(m_b, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(shown(*m_b), qRgb(0, 255, 0));
    QCOMPARE(click.count(), 1);
    send(m_b, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    QCOMPARE(enter.count(), 2);
}

void TestPictureButton::rightButtonDoesNotPress()
{
    m_pointer->under = nullptr;
    QSignalSpy down(m_b, &PictureButton::MouseDown);
    QSignalSpy up(m_b, &PictureButton::MouseUp);
    send(m_b, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);
    QCOMPARE(down.count(), 1);
    QCOMPARE(down[0][0].value<std::int16_t>(), std::int16_t(2));
    QCOMPARE(int(m_b->state()), 0);
    m_pointer->under = m_b;
    send(m_b, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton);
    QCOMPARE(up.count(), 1);
    QCOMPARE(int(m_b->state()), 1); // the pointer-over test decides
}

void TestPictureButton::leavingIsNoticedFromTheLeaveAndRestingCostsNothing()
{
    // The button inside a window, the pointer moved through that window:
    // Qt itself sends the enter and the leave, as on a desktop.
    QWidget host;
    host.resize(100, 60);
    PictureButton* b = new PictureButton(&host);
    b->setPicture(Normal);
    b->setPictureHover(Hover);
    b->move(10, 10);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSignalSpy enter(b, &PictureButton::MouseEnter);
    QSignalSpy leave(b, &PictureButton::MouseLeave);
    m_pointer->under = b;
    QTest::mouseMove(host.windowHandle(), QPoint(15, 15));
    QCOMPARE(enter.count(), 1);
    QVERIFY(b->tracking());
    const int asked = m_pointer->asked;
    QTest::qWait(30);
    QCOMPARE(m_pointer->asked, asked); // nothing polls while the pointer rests
    QCOMPARE(leave.count(), 0);

    m_pointer->under = &host;
    QTest::mouseMove(host.windowHandle(), QPoint(80, 50));
    QCOMPARE(leave.count(), 1);
    QVERIFY(!b->tracking());
    QCOMPARE(int(b->state()), 0);
    QCOMPARE(b->surface().pixel(1, 1), qRgb(255, 0, 0));
    QTest::mouseMove(host.windowHandle(), QPoint(90, 55));
    QCOMPARE(leave.count(), 1); // once per visit
}

void TestPictureButton::dragOutsideResetsWithoutAnEvent()
{
    QSignalSpy leave(m_b, &PictureButton::MouseLeave);
    m_pointer->under = m_b;
    send(m_b, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    m_pointer->under = nullptr;
    send(m_b, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {80, 80});
    QCOMPARE(int(m_b->state()), 0);
    QCOMPARE(leave.count(), 0);
}

void TestPictureButton::pictureChangesShowOnlyInTheirState()
{
    m_pointer->under = m_b;
    send(m_b, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    m_b->setPicture(solid(Qt::yellow, {20, 10}));
    QCOMPARE(shown(*m_b), qRgb(0, 255, 0));
    m_b->setPictureHover(solid(Qt::cyan, {24, 12}));
    QCOMPARE(shown(*m_b), qRgb(0, 255, 255));
}

void TestPictureButton::sizeFollowsThePictureShown()
{
    QCOMPARE(m_b->size(), QSize(20, 10));
    m_pointer->under = m_b;
    send(m_b, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(m_b->size(), QSize(16, 8));
    m_b->setPictureDown(QImage()); // none: cleared, size kept
    QCOMPARE(m_b->size(), QSize(16, 8));
    QCOMPARE(qAlpha(shown(*m_b)), 0);
}

void TestPictureButton::persistenceStoresOnlySetPictures()
{
    QSignalSpy notes(m_b, &PictureButton::PropertyChanged);
    m_b->setPictureHover(QImage());
    QCOMPARE(notes.count(), 1);
    QCOMPARE(notes[0][0].toString(), QStringLiteral("PictureHover"));
    PropertyBag bag;
    m_b->UserControl_WriteProperties(bag);
    QCOMPARE(bag.keys(), QStringList({"Picture", "PictureDown"}));
    PictureButton other;
    other.UserControl_ReadProperties(bag);
    QCOMPARE(other.Picture(), Normal);
    QVERIFY(other.PictureHover().isNull());
    QCOMPARE(other.PictureDown(), Down);
}

QTEST_MAIN(TestPictureButton)
#include "tst_PictureButton.moc"
