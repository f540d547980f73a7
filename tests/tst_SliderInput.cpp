// The sliders under the user's hands: presses delivered by the window
// system to the part under them, keys with the texts X11 sends, and the
// markers at first show.
#include "fakes/SlidersOnFakes.h"
#include "platform/QtColour.h"
#include "sliders/vRGBSliders.h"

#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestSliderInput : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pressesBelongToThePartUnderThem_data();
    void pressesBelongToThePartUnderThem();
    void entryKeysAsX11SendsThem_data();
    void entryKeysAsX11SendsThem();
    void markersStandAtTheLoadedValuesAtFirstShow();

private:
    std::unique_ptr<FakeDesktop> m_desk;
    std::unique_ptr<vRGBSliders> m_s;
};

void TestSliderInput::init()
{
    QVERIFY(OpenSliders(m_desk, m_s));
}

void TestSliderInput::cleanup()
{
    m_s.reset();
    m_desk.reset();
}

void TestSliderInput::pressesBelongToThePartUnderThem_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<int>("changes");
    // Sent to the window, so Qt delivers them to the part under the point
    // and hands on what that part ignores, as on a real desktop.
    QTest::newRow("caption B") << QPoint(4, 54) << "10,20,30" << 0;
    QTest::newRow("caption R") << QPoint(4, 6) << "10,20,30" << 0;
    QTest::newRow("strip beside the ramps") << QPoint(101, 40) << "10,20,30" << 0;
    QTest::newRow("green ramp itself") << QPoint(50, 40) << "10,132,30" << 4;
}

void TestSliderInput::pressesBelongToThePartUnderThem()
{
    QFETCH(QPoint, at);
    QFETCH(QString, boxes);
    QFETCH(int, changes);
    m_s->setcRedValue(10);
    m_s->setcGreenValue(20);
    m_s->setcBlueValue(30);
    QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
    QWindow* window = m_s->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(window, at + QPoint(0, 1));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at + QPoint(0, 1));
    QCOMPARE(::boxes(*m_s), boxes);
    QCOMPARE(spy.count(), changes);
}

void TestSliderInput::entryKeysAsX11SendsThem_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Delete carries 0x7F") << "123" << 0 << int(Qt::Key_Delete) << 0 << "\x7f" << "23";
    QTest::newRow("Backspace") << "123" << 3 << int(Qt::Key_Backspace) << 0 << "\b" << "12";
    QTest::newRow("letter refused") << "123" << 3 << int(Qt::Key_A) << 0 << "a" << "123";
    QTest::newRow("blank refused") << "12" << 2 << int(Qt::Key_Space) << 0 << " " << "12";
    QTest::newRow("Ctrl+A then a digit") << "123" << 1 << int(Qt::Key_A) << ctrl << "\x01" << "7";
    QTest::newRow("Ctrl+X cuts the selection") << "123" << 3 << int(Qt::Key_X) << ctrl << "\x18" << "0";
    QTest::newRow("Ctrl+V pastes through the rules") << "123" << 3 << int(Qt::Key_V) << ctrl << "\x16" << "12";
    QTest::newRow("Ctrl+Z undoes") << "12" << 2 << int(Qt::Key_Z) << ctrl << "\x1a" << "12";
    QTest::newRow("Up") << "5" << 1 << int(Qt::Key_Up) << 0 << "" << "6";
    QTest::newRow("Up at the top") << "255" << 3 << int(Qt::Key_Up) << 0 << "" << "255";
    QTest::newRow("Down at the bottom") << "0" << 1 << int(Qt::Key_Down) << 0 << "" << "0";
    QTest::newRow("Page Up") << "100" << 3 << int(Qt::Key_PageUp) << 0 << "" << "116";
    QTest::newRow("Page Up at the top") << "250" << 3 << int(Qt::Key_PageUp) << 0 << "" << "255";
    QTest::newRow("Page Down") << "20" << 2 << int(Qt::Key_PageDown) << 0 << "" << "4";
}

void TestSliderInput::entryKeysAsX11SendsThem()
{
    QFETCH(QString, start);
    QFETCH(int, cursor);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QLineEdit* green = m_s->txtColor(1);
    QWindow* window = m_s->windowHandle();
    m_s->activateWindow();
    green->setFocus();
    QTRY_VERIFY(green->hasFocus());
    QTest::qWait(0); // the queued select-all of the focus
    m_s->setcGreenValue(start.toInt());
    green->deselect();
    green->setCursorPosition(cursor);
    if (key == Qt::Key_X || key == Qt::Key_V)
        green->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("12ab"));
    if (key == Qt::Key_Z) // something to undo: one more digit typed
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key_4, QStringLiteral("4"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, window, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
    if (key == Qt::Key_A && modifiers)
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key_7, QStringLiteral("7"), Qt::NoModifier);
    QCOMPARE(green->text(), shown);
    QCOMPARE(int(m_s->cGreenValue()), shown.toInt());
}

void TestSliderInput::markersStandAtTheLoadedValuesAtFirstShow()
{
    // As the picker does at start-up: values set while the control is hidden
    // and has not yet heard of its size.
    vRGBSliders fresh;
    fresh.resize(132, 80);
    fresh.setcRedValue(255);
    fresh.setcBlueValue(128);
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    const OLE_COLOR fg = FromQColor(fresh.palette().color(QPalette::WindowText));
    QCOMPARE(fresh.MarkerRect(0).left, 87);      // 255 at the right end
    QCOMPARE(at(fresh, 92, 22), fg);              // and drawn there
    QCOMPARE(at(fresh, 5, 22), FromQColor(fresh.palette().color(QPalette::Window)));
    QCOMPARE(fresh.MarkerRect(1).left, 0);
    QCOMPARE(fresh.MarkerRect(2).left, 44); // 128 of 255 along 87 pixels: 43.7
}

QTEST_MAIN(TestSliderInput)
#include "tst_SliderInput.moc"
