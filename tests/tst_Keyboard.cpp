// Everything from the keyboard, and what a screen reader is told: the Tab
// order through the window, the keys of each part, the ramp-style menu, and
// the accessible names and values.
#include "app/fHelp.h"
#include "app/fMain.h"
#include "fakes/FakeDesktop.h"
#include "fakes/MainWindowOnFakes.h"
#include "picker/PickerKeys.h"
#include "picker/Quor_Colorpicker.h"
#include "sliders/vRGBSliders.h"
#include "widgets/MouseLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/ShapeBox.h"
#include "widgets/SurfaceBox.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QString nameOf(QObject* o, QAccessible::Text t = QAccessible::Name)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
    return a ? a->text(t) : QStringLiteral("<none>");
}

QWidget* focused()
{
    return QApplication::focusWidget();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabReachesEveryPartInOrder();
    void eachPartAnswersItsKeys_data();
    void eachPartAnswersItsKeys();
    void windowKeysAndTitleButtons();
    void rampMenuIsReachable();
    void screenReadersHearNamesAndValues();

private:
    std::unique_ptr<FakeDesktop> m_desk;
    fMain* m_w = nullptr;
};

void TestKeyboard::init()
{
    QVERIFY(OpenMainWindow(m_desk, m_w));
    m_w->activateWindow();
    QTRY_VERIFY(m_w->isActiveWindow());
}

void TestKeyboard::cleanup()
{
    CloseMainWindow(m_desk, m_w);
}

void TestKeyboard::tabReachesEveryPartInOrder()
{
    QList<QWidget*> expected;
    for (Quor_Colorpicker* p : {m_w->cpFore(), m_w->cpBack()}) {
        expected << p->iPal() << p->iHue() << p->cSlider()->txtColor(0) << p->cSlider()->txtColor(1) << p->cSlider()->txtColor(2)
                 << p->keys()->favourites() << p->lblCurColor() << p->txtInfo(0) << p->lblCopy(0) << p->txtInfo(1) << p->lblCopy(1)
                 << p->txtInfo(2) << p->lblCopy(2) << p->cmdStandardColors();
        expected << m_w->cmdScreen(p == m_w->cpFore() ? 0 : 1);
    }
    expected << m_w->btnForm(0) << m_w->btnForm(1) << m_w->btnForm(2);
    m_w->cpFore()->iPal()->setFocus(Qt::TabFocusReason);
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QVERIFY2(focused() == expected[i], qPrintable(QStringLiteral("step %1: %2").arg(i).arg(nameOf(focused()))));
    }
}

void TestKeyboard::eachPartAnswersItsKeys_data()
{
    QTest::addColumn<int>("picker");
    QTest::newRow("foreground") << 0;
    QTest::newRow("background") << 1;
}

void TestKeyboard::eachPartAnswersItsKeys()
{
    QFETCH(int, picker);
    Quor_Colorpicker* p = picker == 0 ? m_w->cpFore() : m_w->cpBack();

    // Palette: Right picks one cell right of the start, Shift+Down ten lower.
    p->iPal()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(p->iPal(), Qt::Key_Right);
    QCOMPARE(p->keys()->palettePoint(), QPoint(51, 50));
    QCOMPARE(p->Color(), LowRgbOf(p->iPal()->GetPixel(51, 50)));
    QTest::keyClick(p->iPal(), Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(p->Color(), LowRgbOf(p->iPal()->GetPixel(51, 60)));

    // Hue bar: one row down is hue number 2 (2.4 x 1, rounded): 0.05 sextants.
    p->iHue()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(p->iHue(), Qt::Key_Down);
    QCOMPARE(p->CurrentHue(), 0.05f);
    QTest::keyClick(p->iHue(), Qt::Key_Up);
    QCOMPARE(p->CurrentHue(), 0.0f);

    // Favourites: the arrows move the selection, Shift+Enter stores, Enter loads.
    QWidget* grid = p->keys()->favourites();
    grid->setFocus(Qt::TabFocusReason);
    p->setColor(0x00112233);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(p->keys()->selectedFavourite(), 5);
    QCOMPARE(p->shpSelect()->geometry().center(), p->lblCol(5)->geometry().center());
    QTest::keyClick(grid, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(p->sColor(6), 0x00112233);
    p->setsColor(7, 0x00445566);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(p->Color(), 0x00445566);
    QTest::keyClick(grid, Qt::Key_Up); // wraps round the grid
    QTest::keyClick(grid, Qt::Key_Up);
    QCOMPARE(p->keys()->selectedFavourite(), 10);

    // Copy labels: Enter copies.
    p->lblCopy(2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(p->lblCopy(2), Qt::Key_Return);
    QCOMPARE(m_desk->clipboard.held, QStringLiteral("#665544"));
    // The R box: Up steps.
    p->cSlider()->txtColor(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(p->cSlider()->txtColor(0), Qt::Key_Up);
    QCOMPARE(RedOf(p->Color()), 0x67);
}

void TestKeyboard::windowKeysAndTitleButtons()
{
    // The menu button from the keyboard, its menu under it.
    m_desk->menus.answer = -1;
    m_w->btnForm(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_w->btnForm(0), Qt::Key_Space);
    QCOMPARE(m_desk->menus.shownItems.size(), 1);
    QCOMPARE(m_desk->menus.shownAt[0], m_w->btnForm(0)->mapToGlobal(QPoint(21, 21)));
    // F1 opens Quick Help; Escape closes it.
    QTest::keyClick(m_w, Qt::Key_F1);
    fHelp* help = m_w->helpWindow();
    QVERIFY(help && help->isVisible());
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    // Minimise by Enter; then Ctrl+W closes, saving once.
    m_w->btnForm(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_w->btnForm(1), Qt::Key_Return);
    QVERIFY(m_w->isMinimized());
    m_w->showNormal();
    m_w->activateWindow();
    QTest::keyClick(m_w, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(m_desk->shell.quits, 1);
    QCOMPARE(m_desk->files.writeCount, 1);
}

void TestKeyboard::rampMenuIsReachable()
{
    vRGBSliders* s = m_w->cpFore()->cSlider();
    // A right click on a ramp, through the window, as the desktop sends it.
    const QPoint onRamp = s->mapTo(m_w, QPoint(40, 18));
    QTest::mouseClick(m_w->windowHandle(), Qt::RightButton, Qt::NoModifier, onRamp);
    QCOMPARE(m_desk->menus.shownItems.size(), 1);
    QCOMPARE(m_desk->menus.shownItems[0][0].caption, QStringLiteral("RGB Spectrum"));
    // The Menu key in an entry box.
    QLineEdit* green = s->txtColor(1);
    green->setFocus();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2));
    QApplication::sendEvent(green, &menuKey);
    QCOMPARE(m_desk->menus.shownItems.size(), 2);
    // The palette keeps its right-button pick: no menu there.
    const OLE_COLOR before = m_w->cpFore()->Color();
    QTest::mouseClick(m_w->windowHandle(), Qt::RightButton, Qt::NoModifier, m_w->cpFore()->iPal()->mapTo(m_w, QPoint(90, 10)));
    QCOMPARE(m_desk->menus.shownItems.size(), 2);
    QVERIFY(m_w->cpFore()->Color() != before);
}

void TestKeyboard::screenReadersHearNamesAndValues()
{
    Quor_Colorpicker* fore = m_w->cpFore();
    fore->setColor(RGB(255, 0, 0));
    fore->setsColor(3, RGB(0x00, 0xFF, 0x80));

    QCOMPARE(nameOf(fore->iPal()), QStringLiteral("Foreground palette"));
    QCOMPARE(nameOf(m_w->cpBack()->iHue()), QStringLiteral("Background hue bar"));
    QCOMPARE(nameOf(fore->cSlider()->txtColor(0)), QStringLiteral("Red"));
    QCOMPARE(nameOf(fore->cSlider()->txtColor(0), QAccessible::Value), QStringLiteral("255"));
    QCOMPARE(nameOf(fore->lblCol(2)), QStringLiteral("Favourite 3"));
    QCOMPARE(nameOf(fore->lblCol(2), QAccessible::Value), QStringLiteral("#00FF80"));
    QCOMPARE(nameOf(fore->lblCurColor(), QAccessible::Value), QStringLiteral("#FF0000"));
    QCOMPARE(nameOf(fore->txtInfo(2)), QStringLiteral("HTML"));
    QCOMPARE(nameOf(fore->txtInfo(2), QAccessible::Value), QStringLiteral("#FF0000"));
    QCOMPARE(nameOf(fore->lblCopy(2)), QStringLiteral("Copy HTML"));
    QCOMPARE(nameOf(fore->lblCopy(2), QAccessible::Description), QStringLiteral("copy with Enter"));
    QCOMPARE(nameOf(m_w->btnForm(0)), QStringLiteral("Menu"));
    QCOMPARE(nameOf(m_w->btnForm(1)), QStringLiteral("Minimise"));
    QCOMPARE(nameOf(m_w->btnForm(2)), QStringLiteral("Close"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_Keyboard.moc"
