// A picture button inside a window; the pointer moves through that window,
// so Qt itself sends the enter, the leave and the grab, as on a desktop.
#include "fakes/FakeDesktop.h"
#include "widgets/PictureButton.h"

#include <QSignalSpy>
#include <QtTest>

static QImage solid(QColor c, QSize size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(c);
    return img;
}

class TestPictureButton : public QObject {
    Q_OBJECT
    std::unique_ptr<FakeDesktop> m_desk;
    std::unique_ptr<QWidget> m_host;
    PictureButton* m_b = nullptr;
    const QImage Normal = solid(Qt::red, {20, 10}), Hover = solid(Qt::green, {24, 12}), Down = solid(Qt::blue, {16, 8});
    QRgb shown() const { return m_b->surface().pixel(1, 1); }
    QWindow* window() const { return m_host->windowHandle(); }
    void moveTo(QPoint p, QWidget* under) { m_desk->pointer.under = under, QTest::mouseMove(window(), p); }

private slots:
    void init()
    {
        m_desk = std::make_unique<FakeDesktop>();
        m_host = std::make_unique<QWidget>();
        m_host->resize(100, 60);
        m_b = new PictureButton(m_host.get());
        m_b->UserControl_InitProperties();
        m_b->setPicture(Normal);
        m_b->setPictureHover(Hover);
        m_b->setPictureDown(Down);
        m_b->move(10, 10);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        moveTo({99, 59}, m_host.get()); // Qt drops a move to where the pointer already is
    }
    void cleanup() { m_host.reset(), m_desk.reset(); }

    void hoverPressReleaseLeaveAndNewPictures()
    {
        QStringList order;
        connect(m_b, &PictureButton::MouseMove, this,
                [&](std::int16_t b, std::int16_t s, float x, float y) { order.append(QString("move %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y)); });
        for (auto [signal, name] : {std::pair{&PictureButton::MouseEnter, "enter"}, {&PictureButton::MouseLeave, "leave"},
                                    {&PictureButton::Click, "click"}})
            connect(m_b, signal, this, [&order, name = QString(name)] { order.append(name); });
        connect(m_b, &PictureButton::MouseDown, this, [&](std::int16_t b) { order.append(QString("down %1").arg(b)); });
        QCOMPARE(m_b->size(), QSize(20, 10));
        moveTo({13, 14}, m_b);
        QCOMPARE(shown(), qRgb(0, 255, 0));
        QCOMPARE(m_b->size(), QSize(24, 12)); // the size follows the picture shown
        const int asked = m_desk->pointer.asked;
        QTest::qWait(30);
        QCOMPARE(m_desk->pointer.asked, asked); // nothing polls while the pointer rests
        QTest::mousePress(window(), Qt::LeftButton, Qt::ShiftModifier, {16, 14});
        QCOMPARE(shown(), qRgb(0, 0, 255));
        QTest::mouseRelease(window(), Qt::LeftButton, {}, {16, 14});
        QCOMPARE(shown(), qRgb(0, 255, 0));
        QTest::mouseClick(window(), Qt::RightButton, {}, {16, 14}); // not a press of the button
        QCOMPARE(shown(), qRgb(0, 255, 0));
        moveTo({80, 50}, m_host.get());
        moveTo({90, 55}, m_host.get());
        QCOMPARE(shown(), qRgb(255, 0, 0));
        QCOMPARE(order, QStringList({"move 0 0 3 4", "enter", "move 0 1 6 4", "down 1", "click", "down 2", "leave"}));
        // A release away from the button does not click.
        QSignalSpy click(m_b, &PictureButton::Click);
        moveTo({13, 14}, m_b);
        QTest::mousePress(window(), Qt::LeftButton, {}, {13, 14});
        moveTo({80, 50}, nullptr);
        QCOMPARE(shown(), qRgb(255, 0, 0)); // dragged off: no longer down
        QTest::mouseRelease(window(), Qt::LeftButton, {}, {80, 50});
        QCOMPARE(click.count(), 0);
        QTest::mouseClick(window(), Qt::LeftButton, {}, {13, 14});
        QCOMPARE(click.count(), 1);
        // Pictures changed in their state show at once.
        moveTo({14, 14}, m_b);
        m_b->setPicture(solid(Qt::yellow, {20, 10}));
        QCOMPARE(shown(), qRgb(0, 255, 0));
        m_b->setPictureHover(solid(Qt::cyan, {24, 12}));
        QCOMPARE(shown(), qRgb(0, 255, 255));
        m_b->setPictureHover(QImage());
        QCOMPARE(qAlpha(shown()), 0); // none: cleared, size kept
        QCOMPARE(m_b->size(), QSize(24, 12));
    }
};

QTEST_MAIN(TestPictureButton)
#include "tst_PictureButton.moc"
