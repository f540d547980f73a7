#include "fakes/SlidersOnFakes.h"
#include "fakes/ImageRampSource.h"
#include "fakes/MouseEvents.h"
#include "platform/QtColour.h"
#include "sliders/vRGBSliders.h"
#include "widgets/PropertyBag.h"
#include "widgets/SurfaceBox.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestSliders : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void channelSetsClampAndWriteTheBox_data();
    void channelSetsClampAndWriteTheBox();
    void colourSetRaisesOneChangePerChangedChannel();
    void entryBoxesHoldOnlyTheDigitsOfTheirValue_data();
    void entryBoxesHoldOnlyTheDigitsOfTheirValue();
    void focusSelectsTheWholeBox();
    void getFromRampTransformsThePixelByStyle_data();
    void getFromRampTransformsThePixelByStyle();
    void rampMenuSwitchesStyleWebSafeAndPicture();
    void loadingTakesFieldsWithoutTouchingTheBoxes_data();
    void loadingTakesFieldsWithoutTouchingTheBoxes();
    void rampsAndEdgesAreDrawnFromTheBoxes();
    void narrowBandsDrawWithoutFault_data();
    void narrowBandsDrawWithoutFault();
    void borderStylesDrawTheirEdgesAndOldBordersStay();
    void markersStandAtTheirValuesAndResetOnResize();
    void dragSetsTheChannelUnderThePointer_data();
    void dragSetsTheChannelUnderThePointer();
    void clickRaisesOnDownAndUpOtherButtonsOnlyRedraw();
    void burstOfChangesGivesOneRedraw();

private:
    std::unique_ptr<FakeDesktop> m_desk;
    std::unique_ptr<vRGBSliders> m_s;
};

void TestSliders::init()
{
    QVERIFY(OpenSliders(m_desk, m_s));
}

void TestSliders::cleanup()
{
    m_s.reset();
    m_desk.reset();
}

void TestSliders::channelSetsClampAndWriteTheBox_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("in range") << 77 << 77;
    QTest::newRow("above 255") << 300 << 255;
    QTest::newRow("negative") << -5 << 0;
    QTest::newRow("far outside 16 bits") << 100000 << 255;
}

void TestSliders::channelSetsClampAndWriteTheBox()
{
    QFETCH(int, value);
    QFETCH(int, stored);
    QSignalSpy changes(m_s.get(), &vRGBSliders::Change);
    QSignalSpy notes(m_s.get(), &vRGBSliders::PropertyChanged);
    m_s->setcGreenValue(value);
    QCOMPARE(int(m_s->cGreenValue()), stored);
    QCOMPARE(m_s->txtColor(1)->text(), QString::number(stored));
    QCOMPARE(m_s->CurrentColor(), stored * 256);
    QCOMPARE(changes.count(), stored == 0 ? 0 : 1); // "0" was already there
    QCOMPARE(notes.count(), 1);
    QCOMPARE(notes[0][0].toString(), QStringLiteral("cGreenValue"));
}

void TestSliders::colourSetRaisesOneChangePerChangedChannel()
{
    m_s->setcGreenValue(128);
    m_s->setcBlueValue(255);
    QCOMPARE(m_s->HTMLColor(), QStringLiteral("#0080FF"));
    QCOMPARE(m_s->CurrentColor(), 16744448);
    QList<OLE_COLOR> seen;
    connect(m_s.get(), &vRGBSliders::Change, this, [&] { seen.append(m_s->CurrentColor()); });
    m_s->setcRedValue(0);
    m_s->setcGreenValue(128);
    m_s->setcBlueValue(255);
    QVERIFY(seen.isEmpty()); // the same values change no box
    m_s->setcRedValue(0x99);
    m_s->setcGreenValue(0x66);
    m_s->setcBlueValue(0x33);
    // Each Change shows the channels set so far mixed with the old ones.
    QCOMPARE(seen, (QList<OLE_COLOR>{0xFF8099, 0xFF6699, 0x336699}));
}

void TestSliders::entryBoxesHoldOnlyTheDigitsOfTheirValue_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("changes");
    QTest::newRow("cleared: a selected 0") << "clear" << "" << "0" << 2;
    QTest::newRow("typed 999 with letters between") << "type" << "a9-9x9!" << "255" << 4;
    QTest::newRow("pasted number then letters") << "paste" << "12ab" << "12" << 2;
    QTest::newRow("pasted leading blank") << "paste" << " 7" << "7" << 2;
    QTest::newRow("pasted negative") << "paste" << "-3" << "0" << 2;
    QTest::newRow("pasted letters") << "paste" << "abc" << "0" << 2;
    QTest::newRow("pasted fullwidth digits") << "paste" << QStringLiteral("１２") << "0" << 2;
    QTest::newRow("pasted too large") << "paste" << "999" << "255" << 2;
    QTest::newRow("pasted plain") << "paste" << "42" << "42" << 1;
}

void TestSliders::entryBoxesHoldOnlyTheDigitsOfTheirValue()
{
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(int, changes);
    m_s->setcBlueValue(5);
    QLineEdit* blue = m_s->txtColor(2);
    blue->setFocus();
    blue->selectAll();
    QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
    if (how == QLatin1String("clear"))
        blue->clear();
    else if (how == QLatin1String("type"))
        QTest::keyClicks(blue, input);
    else
        blue->insert(input); // what a paste from the context menu does
    QCOMPARE(blue->text(), shown);
    QCOMPARE(int(m_s->cBlueValue()), shown.toInt());
    QCOMPARE(m_s->CurrentColor(), shown.toInt() * 65536);
    QCOMPARE(spy.count(), changes);
    if (how == QLatin1String("clear"))
        QCOMPARE(blue->selectedText(), QStringLiteral("0"));
}

void TestSliders::focusSelectsTheWholeBox()
{
    m_s->setcGreenValue(45);
    m_s->txtColor(0)->setFocus();
    QTest::keyClick(m_s->txtColor(0), Qt::Key_Tab);
    QTRY_COMPARE(m_s->txtColor(1)->selectedText(), QStringLiteral("45"));
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
    QTest::newRow("web-safe toggled by style 3: nothing") << 3 << 0x001EC864 << "0,0,0" << 0;
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
    if (style != 0)
        QVERIFY(m_s->setcRampStyle(style));
    ImageRampSource src;
    src.image = QImage(4, 4, QImage::Format_RGB32);
    src.image.fill(ToQColor(pixel));
    QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
    m_s->GetFromRamp(1, 0, pixel == -1 ? 10.5 : 2.5, 1.5, src); // 2.5 rounds to 2; 10.5 lies outside
    QCOMPARE(boxes(*m_s), expected);
    QCOMPARE(spy.count(), changes);
}

void TestSliders::rampMenuSwitchesStyleWebSafeAndPicture()
{
    // The right button on the source opens the menu at the source's top.
    ImageRampSource src;
    src.top = 10;
    m_desk->menus.answer = 1;
    m_s->GetFromRamp(2, 0, 30, 99, src);
    QCOMPARE(m_desk->menus.shownAt, QList<QPoint>{m_s->mapToGlobal(QPoint(30, 10))});
    QStringList captions;
    for (const auto& item : m_desk->menus.shownItems[0])
        captions.append(item.caption);
    QCOMPARE(captions, QStringList({"RGB Spectrum", "Greyscale Ramp", "-", "Make Ramp Web Safe"}));
    QCOMPARE(m_s->cRampStyle(), 1);
    QVERIFY(!m_s->mnuRampChecked(0) && m_s->mnuRampChecked(1));
    QCOMPARE(m_s->picRamp()->picture().pixel(189, 3), qRgb(255, 255, 255)); // greyscale ramp

    // The web-safe item rewrites the boxes, once per changed box.
    m_s->setcRedValue(100);
    m_s->setcGreenValue(200);
    m_s->setcBlueValue(30);
    QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
    m_desk->menus.answer = 3;
    m_s->GetFromRamp(2, 0, 0, 0, src);
    QCOMPARE(boxes(*m_s), QStringLiteral("102,204,51"));
    QCOMPARE(spy.count(), 3);
    QCOMPARE(m_s->cRampStyle(), 1);
    QVERIFY(m_s->WebSafe());
    QCOMPARE(m_s->mnuRampCaption(3), QStringLiteral("Show non-Web Safe Ramp"));
    QCOMPARE(qRed(m_s->picRamp()->picture().pixel(19, 3)), 52); // web-safe greys
    QVERIFY(m_s->setcRampStyle(0));                             // web-safe spectrum
    QCOMPARE(qRed(m_s->picRamp()->picture().pixel(30, 9)) % 51, 0);
    QCOMPARE(m_s->picRamp()->surface().pixel(194, 6) & 0xFFFFFF, 0xFFFFFFu); // swatch corner repainted

    // cRampStyle = 3 is the toggle too: off again, values kept, 3 stored.
    spy.clear();
    QVERIFY(m_s->setcRampStyle(3));
    QCOMPARE(m_s->cRampStyle(), 3);
    QCOMPARE(boxes(*m_s), QStringLiteral("102,204,51"));
    QCOMPARE(spy.count(), 0);
    QVERIFY(!m_s->WebSafe());
    QCOMPARE(m_s->mnuRampCaption(3), QStringLiteral("Make Ramp Web Safe"));

    QSignalSpy notes(m_s.get(), &vRGBSliders::PropertyChanged);
    QVERIFY(!m_s->setBorderStyle(40000)); // outside 16 bits: refused, nothing changes
    QVERIFY(!m_s->setcRampStyle(-40000));
    QCOMPARE(m_s->cRampStyle(), 3);
    QCOMPARE(notes.count(), 0);
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
    QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
    m_s->UserControl_ReadProperties(bag);
    QCOMPARE(int(m_s->cRedValue()), 200);
    QCOMPARE(m_s->txtColor(0)->text(), QStringLiteral("0"));
    QCOMPARE(m_s->HTMLColor(), QStringLiteral("#C80000"));
    QCOMPARE(m_s->cRampStyle(), loadedStyle);
    QCOMPARE(m_s->WebSafe(), webSafe);
    QVERIFY(m_s->mnuRampChecked(loadedStyle));
    QCOMPARE(m_s->mnuRampCaption(3), QStringLiteral("Make Ramp Web Safe"));
    QCOMPARE(spy.count(), 0);

    // Saved again, only what differs from the defaults is stored, in order.
    PropertyBag saved;
    m_s->UserControl_WriteProperties(saved);
    QStringList keys{"cRedValue"};
    if (loadedStyle != 0)
        keys.append("cRampStyle");
    QCOMPARE(saved.keys(), keys);
}

void TestSliders::rampsAndEdgesAreDrawnFromTheBoxes()
{
    m_s->setcGreenValue(128);
    m_s->DrawRamps();
    // Red ramp, band 5..92: column 5 + i holds red 3 * i; the last two columns
    // hold the right colour; the edge covers column 5, row 14, column 91, row 21.
    for (int i = 1; i <= 84; ++i)
        QCOMPARE(at(*m_s, 5 + i, 17), RGB(3 * i, 128, 0));
    QCOMPARE(at(*m_s, 90, 17), RGB(255, 128, 0));
    const auto colours = mDraw::EdgeColours::FromPalette(m_s->palette());
    QCOMPARE(at(*m_s, 5, 17), FromQColor(colours.darkShadow));
    QCOMPARE(at(*m_s, 40, 14), FromQColor(colours.darkShadow));
    QCOMPARE(at(*m_s, 91, 17), FromQColor(colours.highlight));
    QCOMPARE(at(*m_s, 40, 21), FromQColor(colours.highlight));
    QCOMPARE(at(*m_s, 6, 41), RGB(0, 3, 0));      // green ramp with red 0, blue 0
    QCOMPARE(at(*m_s, 50, 66), RGB(0, 128, 135)); // blue ramp with green 128
}

void TestSliders::narrowBandsDrawWithoutFault_data()
{
    QTest::addColumn<int>("width");
    for (int w : {49, 47, 46, 10, 0})
        QTest::addRow("width %d", w) << w;
}

void TestSliders::narrowBandsDrawWithoutFault()
{
    QFETCH(int, width);
    m_s->resize(width, 80);
    m_s->DrawRamps();
    m_s->setcRedValue(77); // places markers where there is no room
    if (width == 49)       // n = 2: 0, 128, 255 across a four-pixel band
        QCOMPARE(qGreen(m_s->surface().pixel(6, 41)), 128);
}

void TestSliders::borderStylesDrawTheirEdgesAndOldBordersStay()
{
    const auto c = mDraw::EdgeColours::FromPalette(m_s->palette());
    // style: outer top-left, inner top-left, outer bottom-right
    const std::array<std::array<QColor, 3>, 4> rows{{{c.shadow, c.darkShadow, c.highlight},
                                                     {c.light, c.highlight, c.darkShadow},
                                                     {c.shadow, c.highlight, c.highlight},
                                                     {c.light, c.darkShadow, c.darkShadow}}};
    for (int style = 1; style <= 4; ++style) {
        QVERIFY(m_s->setBorderStyle(style));
        m_s->DrawRamps();
        const auto& row = rows[static_cast<std::size_t>(style - 1)];
        QCOMPARE(at(*m_s, 60, 0), FromQColor(row[0]));
        QCOMPARE(at(*m_s, 60, 1), FromQColor(row[1]));
        QCOMPARE(at(*m_s, 131, 40), FromQColor(row[2]));
    }
    m_s->resize(140, 80); // fresh area for the one-line border
    QVERIFY(m_s->setBorderStyle(5));
    m_s->DrawRamps();
    QCOMPARE(at(*m_s, 139, 40), FromQColor(c.highlight));
    QCOMPARE(at(*m_s, 138, 40), FromQColor(m_s->palette().color(QPalette::Window)));
    QVERIFY(m_s->setBorderStyle(7)); // no border drawn, the old one stays
    m_s->DrawRamps();
    QCOMPARE(at(*m_s, 139, 40), FromQColor(c.highlight));
}

void TestSliders::markersStandAtTheirValuesAndResetOnResize()
{
    const OLE_COLOR fg = FromQColor(m_s->palette().color(QPalette::WindowText));
    const OLE_COLOR bg = FromQColor(m_s->palette().color(QPalette::Window));
    m_s->setcRedValue(255);
    QCOMPARE(m_s->MarkerRect(0), (mDraw::Rect{87, 22, 97, 27}));
    QCOMPARE(at(*m_s, 92, 22), fg); // apex on the ramp's bottom line
    QCOMPARE(at(*m_s, 87, 27), fg); // base, both ends
    QCOMPARE(at(*m_s, 97, 27), fg);
    QCOMPARE(at(*m_s, 92, 26), bg); // hollow inside
    QCOMPARE(at(*m_s, 2, 27), bg);  // the old marker was erased
    QCOMPARE(m_s->MarkerRect(1), (mDraw::Rect{0, 46, 10, 51}));
    m_s->resize(146, 80);
    QCOMPARE(m_s->MarkerRect(0), (mDraw::Rect{0, 22, 10, 27})); // left end until the next change
    m_s->setcGreenValue(1);
    QCOMPARE(m_s->MarkerRect(0).left, 101);
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
    QTest::newRow("middle: 45 * 255 / 87 = 131.9") << 132 << false << QPoint(50, 20) << 0 << 132;
    QTest::newRow("beyond the right end") << 132 << false << QPoint(200, 30) << 0 << 255;
    QTest::newRow("bottom of the red zone") << 132 << false << QPoint(50, 37) << 0 << 132;
    QTest::newRow("top of the green zone") << 132 << false << QPoint(50, 38) << 1 << 132;
    QTest::newRow("blue zone") << 132 << false << QPoint(70, 75) << 2 << 191;
    QTest::newRow("above all zones") << 132 << false << QPoint(50, 13) << -1 << 0;
    QTest::newRow("below all zones") << 132 << false << QPoint(50, 86) << -1 << 0;
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
    QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
    sendMouse(m_s.get(), QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
    const int values[3] = {m_s->cRedValue(), m_s->cGreenValue(), m_s->cBlueValue()};
    for (int k = 0; k < 3; ++k)
        QCOMPARE(values[k], k == channel ? value : 0);
    QCOMPARE(spy.count(), channel >= 0 && value != 0 ? 2 : 1); // raised even when nothing was hit
}

void TestSliders::clickRaisesOnDownAndUpOtherButtonsOnlyRedraw()
{
    QSignalSpy spy(m_s.get(), &vRGBSliders::Change);
    QTest::mousePress(m_s.get(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
    QCOMPARE(int(m_s->cRedValue()), 132);
    QCOMPARE(spy.count(), 2);
    QTest::mouseRelease(m_s.get(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
    QCOMPARE(spy.count(), 3); // same value again: one more Change

    QTest::mousePress(m_s.get(), Qt::RightButton, Qt::NoModifier, QPoint(80, 20));
    QTest::mouseRelease(m_s.get(), Qt::RightButton, Qt::NoModifier, QPoint(80, 20));
    QTest::mousePress(m_s.get(), Qt::MiddleButton, Qt::NoModifier, QPoint(80, 20));
    QCOMPARE(int(m_s->cRedValue()), 132);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(m_desk->menus.shownItems.size(), 1); // a right click on a ramp opens the ramp-style menu
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
    QCOMPARE(at(*m_s, 6, 17), RGB(3, 200, 100)); // drawn with the values in the boxes at the tick
}

QTEST_MAIN(TestSliders)
#include "tst_vRGBSliders.moc"
