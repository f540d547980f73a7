#include "fakes/FakePopupMenu.h"
#include "fakes/ImageRampSource.h"
#include "fakes/MouseEvents.h"
#include "fakes/ScopedPlatform.h"
#include "sliders/vRGBSliders.h"
#include "widgets/PropertyBag.h"
#include "widgets/SurfaceBox.h"
#include "widgets/mDraw.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

QRgb rgbAt(const QImage& img, int x, int y)
{
    return img.pixel(x, y) & 0xFFFFFF;
}

QRgb rgbOf(QColor c)
{
    return c.rgb() & 0xFFFFFF;
}

struct Boxes {
    QString r, g, b;
};

Boxes boxes(const vRGBSliders& s)
{
    return {s.txtColor(0)->text(), s.txtColor(1)->text(), s.txtColor(2)->text()};
}

} // namespace

class TestSliders : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void channelSetsClampAndWriteTheBox_data();
    void channelSetsClampAndWriteTheBox();
    void settingTheSameValuesRaisesNothing();
    void pickerStyleColourChangeRaisesOneChangePerChannel();
    void clearedBoxBecomesSelectedZeroWithTwoChanges();
    void keyFilterLetsOnlyDigitsAndBackspaceIn();
    void pastedTextEndsAsTheDigitsOfItsValue_data();
    void pastedTextEndsAsTheDigitsOfItsValue();
    void focusSelectsTheWholeBox();
    void getFromRampTransformsThePixelByStyle_data();
    void getFromRampTransformsThePixelByStyle();
    void rightButtonOpensTheRampMenuAtTheSourceTop();
    void webSafeToggleRewritesBoxesAndRenamesTheItem();
    void menuChoicesSwitchPictureAndChecks();
    void persistenceStoresOnlyWhatDiffersFromDefaults();
    void loadingTakesFieldsWithoutTouchingTheBoxes_data();
    void loadingTakesFieldsWithoutTouchingTheBoxes();
    void outOfRangeStylesAreRefused();
    void rampsAreDrawnFromTheBoxes();
    void narrowBandsDrawWithoutFault_data();
    void narrowBandsDrawWithoutFault();
    void borderStylesDrawTheirEdgesAndOldBordersStay();
    void markersStandAtTheirValuesAndResetOnResize();
    void dragSetsTheChannelUnderThePointer_data();
    void dragSetsTheChannelUnderThePointer();
    void clickSetsOnDownAndRaisesAgainOnUp();
    void otherButtonsOnlyRedrawMarkers();
    void burstOfChangesGivesOneRedraw();

private:
    FakePopupMenu* m_menu = nullptr;
    ScopedPlatform* m_platform = nullptr;
    vRGBSliders* m_s = nullptr;
};

void TestSliders::init()
{
    m_menu = new FakePopupMenu;
    m_platform = new ScopedPlatform(Platform{nullptr, nullptr, m_menu});
    m_s = new vRGBSliders;
    m_s->resize(132, 80);
    m_s->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_s));
}

void TestSliders::cleanup()
{
    delete m_s;
    delete m_platform;
    delete m_menu;
}

void TestSliders::channelSetsClampAndWriteTheBox_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("in range") << 77 << 77;
    QTest::newRow("above 255") << 300 << 255;
    QTest::newRow("negative") << -5 << 0;
    QTest::newRow("far outside 16 bits") << 1 << 1;
}

void TestSliders::channelSetsClampAndWriteTheBox()
{
    QFETCH(int, value);
    QFETCH(int, stored);
    QSignalSpy changes(m_s, &vRGBSliders::Change);
    QSignalSpy notes(m_s, &vRGBSliders::PropertyChanged);
    m_s->setcGreenValue(value == 1 ? 100000 : value);
    if (value == 1)
        stored = 255;
    QCOMPARE(int(m_s->cGreenValue()), stored);
    QCOMPARE(m_s->txtColor(1)->text(), QString::number(stored));
    QCOMPARE(m_s->CurrentColor(), stored * 256);
    QCOMPARE(changes.count(), stored == 0 ? 0 : 1); // "0" was already there
    QCOMPARE(notes.count(), 1);
    QCOMPARE(notes[0][0].toString(), QStringLiteral("cGreenValue"));
}

void TestSliders::settingTheSameValuesRaisesNothing()
{
    m_s->setcRedValue(10);
    m_s->setcGreenValue(20);
    m_s->setcBlueValue(30);
    QSignalSpy changes(m_s, &vRGBSliders::Change);
    m_s->setcRedValue(10);
    m_s->setcGreenValue(20);
    m_s->setcBlueValue(30);
    QCOMPARE(changes.count(), 0);
}

void TestSliders::pickerStyleColourChangeRaisesOneChangePerChannel()
{
    m_s->setcRedValue(0);
    m_s->setcGreenValue(128);
    m_s->setcBlueValue(255);
    QCOMPARE(m_s->HTMLColor(), QStringLiteral("#0080FF"));
    QCOMPARE(m_s->CurrentColor(), 16744448);

    QList<std::int32_t> seen;
    connect(m_s, &vRGBSliders::Change, this, [&] { seen.append(m_s->CurrentColor()); });
    m_s->setcRedValue(0x99);
    m_s->setcGreenValue(0x66);
    m_s->setcBlueValue(0x33);
    // Each Change shows the channels set so far mixed with the old ones.
    QCOMPARE(seen, (QList<std::int32_t>{0xFF8099, 0xFF6699, 0x336699}));
}

void TestSliders::clearedBoxBecomesSelectedZeroWithTwoChanges()
{
    m_s->setcGreenValue(42);
    QSignalSpy changes(m_s, &vRGBSliders::Change);
    m_s->txtColor(1)->clear();
    QCOMPARE(m_s->txtColor(1)->text(), QStringLiteral("0"));
    QCOMPARE(m_s->txtColor(1)->selectedText(), QStringLiteral("0"));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(int(m_s->cGreenValue()), 0);
}

void TestSliders::keyFilterLetsOnlyDigitsAndBackspaceIn()
{
    QLineEdit* red = m_s->txtColor(0);
    red->setFocus();
    red->selectAll();
    QTest::keyClicks(red, "a9-9x9!");
    QCOMPARE(red->text(), QStringLiteral("255")); // "999" is capped
    QCOMPARE(int(m_s->cRedValue()), 255);

    red->setCursorPosition(3);
    QTest::keyClick(red, Qt::Key_Backspace);
    QCOMPARE(red->text(), QStringLiteral("25"));
    QTest::keyClick(red, Qt::Key_V, Qt::ControlModifier); // a control character, discarded
    QCOMPARE(red->text(), QStringLiteral("25"));
    QCOMPARE(int(m_s->cRedValue()), 25);
}

void TestSliders::pastedTextEndsAsTheDigitsOfItsValue_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("changes");
    QTest::newRow("number then letters") << "12ab" << "12" << 2;
    QTest::newRow("leading blank") << " 7" << "7" << 2;
    QTest::newRow("negative") << "-3" << "0" << 2;
    QTest::newRow("letters") << "abc" << "0" << 2;
    QTest::newRow("fullwidth digits") << QStringLiteral("１２") << "0" << 2;
    QTest::newRow("too large") << "999" << "255" << 2;
    QTest::newRow("plain") << "42" << "42" << 1;
}

void TestSliders::pastedTextEndsAsTheDigitsOfItsValue()
{
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(int, changes);
    m_s->setcBlueValue(5);
    QSignalSpy spy(m_s, &vRGBSliders::Change);
    QLineEdit* blue = m_s->txtColor(2);
    blue->selectAll();
    blue->insert(pasted); // what a paste from the context menu does
    QCOMPARE(blue->text(), shown);
    QCOMPARE(int(m_s->cBlueValue()), shown.toInt());
    QCOMPARE(m_s->CurrentColor(), shown.toInt() * 65536);
    QCOMPARE(spy.count(), changes);
}

void TestSliders::focusSelectsTheWholeBox()
{
    m_s->setcRedValue(123);
    m_s->setcGreenValue(45);
    m_s->txtColor(0)->setFocus();
    QTest::keyClick(m_s->txtColor(0), Qt::Key_Tab);
    QTRY_COMPARE(m_s->txtColor(1)->selectedText(), QStringLiteral("45"));
    QVERIFY(m_s->txtColor(1)->hasFocus());
    QTest::keyClick(m_s->txtColor(1), Qt::Key_Tab);
    QVERIFY(m_s->txtColor(2)->hasFocus());
}

void TestSliders::getFromRampTransformsThePixelByStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("pixel");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("changes");
    QTest::newRow("spectrum takes the pixel") << 0 << 0x00336699 << "153,102,51" << 3;
    QTest::newRow("web-safe levels") << 3 << 0x001EC864 << "0,0,0" << 0; // style 3: nothing happens
    QTest::newRow("greyscale") << 1 << 0x000000B4 << "51,51,51" << 3;
    QTest::newRow("style 2 does nothing") << 2 << 0x00FFFFFF << "0,0,0" << 0;
    QTest::newRow("unreadable pixel gives black") << 0 << -1 << "0,0,0" << 2;
}

void TestSliders::getFromRampTransformsThePixelByStyle()
{
    QFETCH(int, style);
    QFETCH(int, pixel);
    QFETCH(QString, expected);
    QFETCH(int, changes);
    if (style == 1 || style == 2)
        QVERIFY(m_s->setcRampStyle(style));
    else if (style == 3)
        QVERIFY(m_s->setcRampStyle(3));
    ImageRampSource src;
    src.image = QImage(4, 4, QImage::Format_RGB32);
    src.image.fill(pixel == -1 ? Qt::black : QColor(pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF));
    QSignalSpy spy(m_s, &vRGBSliders::Change);
    m_s->GetFromRamp(1, 0, pixel == -1 ? 10.5 : 2.5, 1.5, src); // 2.5 rounds to 2
    const Boxes b = boxes(*m_s);
    QCOMPARE(QStringList({b.r, b.g, b.b}).join(QLatin1Char(',')), expected);
    QCOMPARE(spy.count(), changes);
}

void TestSliders::rightButtonOpensTheRampMenuAtTheSourceTop()
{
    ImageRampSource src;
    src.top = 10;
    m_menu->answer = 1;
    m_s->GetFromRamp(2, 0, 30, 99, src);
    QCOMPARE(m_menu->shownItems.size(), 1);
    const auto& items = m_menu->shownItems[0];
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0].caption, QStringLiteral("RGB Spectrum"));
    QCOMPARE(items[1].caption, QStringLiteral("Greyscale Ramp"));
    QCOMPARE(items[2].caption, QStringLiteral("-"));
    QCOMPARE(items[3].caption, QStringLiteral("Make Ramp Web Safe"));
    QCOMPARE(m_menu->shownAt[0], m_s->mapToGlobal(QPoint(30, 10)));
    QCOMPARE(m_s->cRampStyle(), 1); // the chosen item took effect
    QVERIFY(m_s->mnuRampChecked(1));
    m_s->GetFromRamp(4, 0, 30, 99, src);
    QCOMPARE(m_menu->shownItems.size(), 1);
}

void TestSliders::webSafeToggleRewritesBoxesAndRenamesTheItem()
{
    m_s->setcRedValue(100);
    m_s->setcGreenValue(200);
    m_s->setcBlueValue(30);
    QSignalSpy spy(m_s, &vRGBSliders::Change);
    QVERIFY(m_s->setcRampStyle(3));
    QCOMPARE(m_s->cRampStyle(), 3);
    const Boxes b = boxes(*m_s);
    QCOMPARE(QStringList({b.r, b.g, b.b}), QStringList({"102", "204", "51"}));
    QCOMPARE(spy.count(), 3);
    QVERIFY(m_s->WebSafe());
    QCOMPARE(m_s->mnuRampCaption(3), QStringLiteral("Show non-Web Safe Ramp"));

    spy.clear();
    QVERIFY(m_s->setcRampStyle(3));
    QCOMPARE(boxes(*m_s).g, QStringLiteral("204"));
    QCOMPARE(spy.count(), 0);
    QVERIFY(!m_s->WebSafe());
    QCOMPARE(m_s->mnuRampCaption(3), QStringLiteral("Make Ramp Web Safe"));
}

void TestSliders::menuChoicesSwitchPictureAndChecks()
{
    QSignalSpy notes(m_s, &vRGBSliders::PropertyChanged);
    QVERIFY(m_s->setcRampStyle(1));
    QCOMPARE(notes.count(), 1);
    QVERIFY(!m_s->mnuRampChecked(0));
    QVERIFY(m_s->mnuRampChecked(1));
    QCOMPARE(m_s->picRamp()->picture().pixel(189, 3), qRgb(255, 255, 255)); // greyscale
    ImageRampSource src;
    m_menu->answer = 3; // the web-safe item, chosen from the menu
    m_s->GetFromRamp(2, 0, 0, 0, src);
    QCOMPARE(m_s->cRampStyle(), 1);
    QCOMPARE(qRed(m_s->picRamp()->picture().pixel(19, 3)), 52); // web-safe greys
    QVERIFY(m_s->setcRampStyle(0));                             // web-safe spectrum
    QVERIFY(m_s->mnuRampChecked(0));
    QVERIFY(m_s->mnuRampChecked(3));
    QCOMPARE(qRed(m_s->picRamp()->picture().pixel(30, 9)) % 51, 0);
    // The swatch corner of the strip is painted white after every choice.
    QCOMPARE(m_s->picRamp()->surface().pixel(194, 6) & 0xFFFFFF, 0xFFFFFFu);
}

void TestSliders::persistenceStoresOnlyWhatDiffersFromDefaults()
{
    m_s->setcRedValue(200);
    m_s->setcBlueValue(3);
    PropertyBag bag;
    m_s->UserControl_WriteProperties(bag);
    QCOMPARE(bag.keys(), QStringList({"cRedValue", "cBlueValue", "CurrentColor"}));
    QCOMPARE(bag.ReadProperty("cRedValue", 0).toInt(), 200);
    QCOMPARE(bag.ReadProperty("CurrentColor", 0).toInt(), 200 + 3 * 65536);

    vRGBSliders other;
    other.UserControl_ReadProperties(bag);
    QCOMPARE(int(other.cRedValue()), 200);
    QCOMPARE(int(other.cGreenValue()), 0);
    QCOMPARE(other.CurrentColor(), 200 + 3 * 65536);
    PropertyBag again;
    other.UserControl_WriteProperties(again);
    QCOMPARE(again.keys(), bag.keys());
}

void TestSliders::loadingTakesFieldsWithoutTouchingTheBoxes_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("loadedStyle");
    QTest::addColumn<bool>("webSafe");
    QTest::newRow("spectrum") << 0 << 0 << false;
    QTest::newRow("greyscale") << 1 << 1 << false;
    QTest::newRow("stored 3 turns web-safe on") << 3 << 3 << true;
    QTest::newRow("unknown style loads as spectrum") << 9 << 0 << false;
    QTest::newRow("negative style loads as spectrum") << -4 << 0 << false;
}

void TestSliders::loadingTakesFieldsWithoutTouchingTheBoxes()
{
    QFETCH(int, style);
    QFETCH(int, loadedStyle);
    QFETCH(bool, webSafe);
    PropertyBag bag;
    bag.WriteProperty("cRedValue", QVariant::fromValue<qint16>(200), 0);
    bag.WriteProperty("cRampStyle", QVariant::fromValue<qint16>(style), 0);
    QSignalSpy spy(m_s, &vRGBSliders::Change);
    m_s->UserControl_ReadProperties(bag);
    QCOMPARE(int(m_s->cRedValue()), 200);
    QCOMPARE(m_s->txtColor(0)->text(), QStringLiteral("0"));
    QCOMPARE(m_s->HTMLColor(), QStringLiteral("#C80000"));
    QCOMPARE(m_s->cRampStyle(), loadedStyle);
    QCOMPARE(m_s->WebSafe(), webSafe);
    QVERIFY(m_s->mnuRampChecked(loadedStyle));
    QCOMPARE(m_s->mnuRampCaption(3), QStringLiteral("Make Ramp Web Safe"));
    QCOMPARE(spy.count(), 0);
}

void TestSliders::outOfRangeStylesAreRefused()
{
    QSignalSpy notes(m_s, &vRGBSliders::PropertyChanged);
    QVERIFY(!m_s->setBorderStyle(40000));
    QVERIFY(!m_s->setcRampStyle(-40000));
    QCOMPARE(m_s->BorderStyle(), 0);
    QCOMPARE(m_s->cRampStyle(), 0);
    QCOMPARE(notes.count(), 0);
}

void TestSliders::rampsAreDrawnFromTheBoxes()
{
    m_s->setcGreenValue(128);
    m_s->DrawRamps();
    const QImage& img = m_s->surface();
    // Red ramp, band 5..92: column 5 + i holds red 3 * i; the last two columns
    // hold the right colour; the edge covers column 5, row 14, column 91, row 21.
    for (int i = 1; i <= 84; ++i)
        QCOMPARE(rgbAt(img, 5 + i, 17), qRgb(3 * i, 128, 0) & 0xFFFFFF);
    QCOMPARE(rgbAt(img, 90, 17), qRgb(255, 128, 0) & 0xFFFFFF);
    const auto colours = mDraw::EdgeColours::FromPalette(m_s->palette());
    QCOMPARE(rgbAt(img, 5, 17), rgbOf(colours.darkShadow));
    QCOMPARE(rgbAt(img, 40, 14), rgbOf(colours.darkShadow));
    QCOMPARE(rgbAt(img, 91, 17), rgbOf(colours.highlight));
    QCOMPARE(rgbAt(img, 40, 21), rgbOf(colours.highlight));
    // Green ramp with red 0, blue 0: from black to green.
    QCOMPARE(rgbAt(img, 6, 41), qRgb(0, 3, 0) & 0xFFFFFF);
    // Blue ramp with red 0, green 128.
    QCOMPARE(rgbAt(img, 50, 66), qRgb(0, 128, 135) & 0xFFFFFF);
}

void TestSliders::narrowBandsDrawWithoutFault_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("n = 2") << 49;
    QTest::newRow("n = 0") << 47;
    QTest::newRow("n < 0") << 46;
    QTest::newRow("no ramp at all") << 10;
    QTest::newRow("zero") << 0;
}

void TestSliders::narrowBandsDrawWithoutFault()
{
    QFETCH(int, width);
    m_s->resize(width, 80);
    m_s->DrawRamps();
    m_s->setcRedValue(77); // places markers at a width with no room
    if (width == 49)       // 0, 128, 255 across a four-pixel band
        QCOMPARE(qGreen(m_s->surface().pixel(6, 41)), 128);
}

void TestSliders::borderStylesDrawTheirEdgesAndOldBordersStay()
{
    const auto colours = mDraw::EdgeColours::FromPalette(m_s->palette());
    const QRgb background = rgbOf(m_s->palette().color(QPalette::Window));
    struct Row {
        int style;
        QColor outerTopLeft, innerTopLeft, outerBottomRight;
    };
    const Row rows[] = {
        {1, colours.shadow, colours.darkShadow, colours.highlight},
        {2, colours.light, colours.highlight, colours.darkShadow},
        {3, colours.shadow, colours.highlight, colours.highlight},
        {4, colours.light, colours.darkShadow, colours.darkShadow},
    };
    for (const Row& row : rows) {
        QVERIFY(m_s->setBorderStyle(row.style));
        m_s->DrawRamps();
        QCOMPARE(rgbAt(m_s->surface(), 60, 0), rgbOf(row.outerTopLeft));
        QCOMPARE(rgbAt(m_s->surface(), 60, 1), rgbOf(row.innerTopLeft));
        QCOMPARE(rgbAt(m_s->surface(), 131, 40), rgbOf(row.outerBottomRight));
    }
    m_s->resize(140, 80); // fresh area for the one-line border
    QVERIFY(m_s->setBorderStyle(5));
    m_s->DrawRamps();
    QCOMPARE(rgbAt(m_s->surface(), 139, 40), rgbOf(colours.highlight));
    QCOMPARE(rgbAt(m_s->surface(), 138, 40), background);

    QVERIFY(m_s->setBorderStyle(7)); // no border drawn, the old one stays
    m_s->DrawRamps();
    QCOMPARE(rgbAt(m_s->surface(), 139, 40), rgbOf(colours.highlight));
}

void TestSliders::markersStandAtTheirValuesAndResetOnResize()
{
    const QRgb fg = rgbOf(m_s->palette().color(QPalette::WindowText));
    const QRgb bg = rgbOf(m_s->palette().color(QPalette::Window));
    m_s->setcRedValue(255);
    QCOMPARE(m_s->MarkerRect(0), (mDraw::Rect{87, 22, 97, 27}));
    const QImage& img = m_s->surface();
    QCOMPARE(rgbAt(img, 92, 22), fg);  // apex on the ramp's bottom line
    QCOMPARE(rgbAt(img, 87, 27), fg);  // base, left end
    QCOMPARE(rgbAt(img, 97, 27), fg);  // base, right end
    QCOMPARE(rgbAt(img, 92, 26), bg);  // hollow inside
    QCOMPARE(rgbAt(img, 2, 27), bg);   // the old marker was erased
    QCOMPARE(m_s->MarkerRect(1), (mDraw::Rect{0, 46, 10, 51}));

    m_s->resize(146, 80);
    QCOMPARE(m_s->MarkerRect(0), (mDraw::Rect{0, 22, 10, 27})); // left end until the next change
    m_s->setcGreenValue(1);
    QCOMPARE(m_s->MarkerRect(0).left, 101); // 255 / (255 / 101)
}

void TestSliders::dragSetsTheChannelUnderThePointer_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("webSafe");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("value");
    QTest::newRow("left end") << 132 << false << QPoint(5, 20) << 0 << 0;
    QTest::newRow("right end") << 132 << false << QPoint(92, 20) << 0 << 255;
    QTest::newRow("middle") << 132 << false << QPoint(50, 20) << 0 << 132;
    QTest::newRow("beyond the right end") << 132 << false << QPoint(120, 30) << 0 << 255;
    QTest::newRow("bottom of the red zone") << 132 << false << QPoint(50, 37) << 0 << 132;
    QTest::newRow("top of the green zone") << 132 << false << QPoint(50, 38) << 1 << 132;
    QTest::newRow("blue zone") << 132 << false << QPoint(70, 75) << 2 << 191;
    QTest::newRow("above all zones") << 132 << false << QPoint(50, 13) << -1 << 0;
    const int snap132[][2] = {{5, 0}, {25, 51}, {45, 102}, {66, 204}, {86, 255}, {92, 255}};
    for (const auto& r : snap132)
        QTest::addRow("web-safe 132 at %d", r[0]) << 132 << true << QPoint(r[0], 40) << 1 << r[1];
    const int snap146[][2] = {{5, 0}, {25, 51}, {45, 102}, {66, 153}, {86, 204}, {106, 255}};
    for (const auto& r : snap146)
        QTest::addRow("web-safe 146 at %d", r[0]) << 146 << true << QPoint(r[0], 40) << 1 << r[1];
}

void TestSliders::dragSetsTheChannelUnderThePointer()
{
    QFETCH(int, width);
    QFETCH(bool, webSafe);
    QFETCH(QPoint, pos);
    QFETCH(int, channel);
    QFETCH(int, value);
    m_s->resize(width, 80);
    if (webSafe)
        QVERIFY(m_s->setcRampStyle(3) && m_s->setcRampStyle(0));
    QVERIFY(m_s->WebSafe() == webSafe);
    QSignalSpy spy(m_s, &vRGBSliders::Change);

    sendMouse(m_s, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);

    const int values[3] = {m_s->cRedValue(), m_s->cGreenValue(), m_s->cBlueValue()};
    for (int k = 0; k < 3; ++k)
        QCOMPARE(values[k], k == channel ? value : 0);
    QCOMPARE(spy.count(), channel >= 0 && value != 0 ? 2 : 1);
}

void TestSliders::clickSetsOnDownAndRaisesAgainOnUp()
{
    QSignalSpy spy(m_s, &vRGBSliders::Change);
    QTest::mousePress(m_s, Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
    QCOMPARE(int(m_s->cRedValue()), 132);
    QCOMPARE(spy.count(), 2);
    QTest::mouseRelease(m_s, Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
    QCOMPARE(spy.count(), 3);
}

void TestSliders::otherButtonsOnlyRedrawMarkers()
{
    QSignalSpy spy(m_s, &vRGBSliders::Change);
    QTest::mousePress(m_s, Qt::RightButton, Qt::NoModifier, QPoint(50, 20));
    QTest::mouseRelease(m_s, Qt::RightButton, Qt::NoModifier, QPoint(50, 20));
    QTest::mousePress(m_s, Qt::MiddleButton, Qt::NoModifier, QPoint(50, 20));
    QTest::mouseMove(m_s, QPoint(60, 20));
    QCOMPARE(int(m_s->cRedValue()), 0);
    QCOMPARE(spy.count(), 0);
    QVERIFY(m_menu->shownItems.isEmpty()); // the menu opens only through GetFromRamp
}

void TestSliders::burstOfChangesGivesOneRedraw()
{
    QTest::qWait(60); // let the start-up redraw go by
    const int before = m_s->rampRedrawCount();
    for (int i = 1; i <= 100; ++i)
        m_s->setcBlueValue(i);
    m_s->setcGreenValue(200);
    QCOMPARE(m_s->rampRedrawCount(), before);
    QTRY_COMPARE(m_s->rampRedrawCount(), before + 1);
    QTest::qWait(60);
    QCOMPARE(m_s->rampRedrawCount(), before + 1);
    // Drawn with the values in the boxes at the tick.
    QCOMPARE(rgbAt(m_s->surface(), 6, 17), qRgb(3, 200, 100) & 0xFFFFFF);
}

QTEST_MAIN(TestSliders)
#include "tst_vRGBSliders.moc"
