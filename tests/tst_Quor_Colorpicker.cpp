#include "dialogs/gCommonDialog.h"
#include "fakes/FakeDesktop.h"
#include "fakes/MouseEvents.h"
#include "picker/Quor_Colorpicker.h"
#include "colour/mCPUtils.h"
#include "sliders/vRGBSliders.h"
#include "widgets/MouseLabel.h"
#include "widgets/ShapeBox.h"
#include "widgets/SurfaceBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Drawing-area coordinates of a bordered box are one pixel in.
void drag(SurfaceBox* box, QPoint inDrawingArea, Qt::MouseButtons held)
{
    sendMouse(box, QEvent::MouseMove, inDrawingArea + QPoint(1, 1), Qt::NoButton, held);
}

QStringList readouts(const Quor_Colorpicker& p)
{
    return {p.txtInfo(0)->text(), p.txtInfo(1)->text(), p.txtInfo(2)->text()};
}

} // namespace

class TestPicker : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void colourSetsShowTheirTextForms_data();
    void colourSetsShowTheirTextForms();
    void startsGreyAtItsFixedSize();
    void oneColourSetAnnouncesEachChannelThenTheWhole();
    void favouritesLoadOnLeftAndStoreOnRight();
    void copyLabelsPutTrimmedTextOnTheClipboard();
    void hueBarAndPaletteSurfaces();
    void hueDragRedrawsPaletteAndPicksBarColour_data();
    void hueDragRedrawsPaletteAndPicksBarColour();
    void palettePressAndDragPickTheColourUnderThePointer_data();
    void palettePressAndDragPickTheColourUnderThePointer();
    void standardColorsDialogOutcomes_data();
    void standardColorsDialogOutcomes();
    void dialogCustomColoursAndFlags();

private:
    std::unique_ptr<FakeDesktop> m_desk;
    std::unique_ptr<Quor_Colorpicker> m_p;
};

void TestPicker::init()
{
    m_desk = std::make_unique<FakeDesktop>();
    m_p = std::make_unique<Quor_Colorpicker>();
    m_p->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_p.get()));
}

void TestPicker::cleanup()
{
    m_p.reset();
    m_desk.reset();
}

void TestPicker::colourSetsShowTheirTextForms_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("color");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("after creation") << false << 0 << 0x00808080 << QStringList({"&H808080", "8421504", "#808080"});
    QTest::newRow("red") << true << 0x000000FF << 0x000000FF << QStringList({"&HFF", "255", "#FF0000"});
    QTest::newRow("byte 3 ignored") << true << int(0x8000000F) << 0x0000000F << QStringList({"&HF", "15", "#0F0000"});
    QTest::newRow("black") << true << 0 << 0 << QStringList({"&H0", "0", "#000000"});
    QTest::newRow("white") << true << 0x00FFFFFF << 0x00FFFFFF << QStringList({"&HFFFFFF", "16777215", "#FFFFFF"});
}

void TestPicker::colourSetsShowTheirTextForms()
{
    QFETCH(bool, set);
    QFETCH(int, value);
    QFETCH(int, color);
    QFETCH(QStringList, texts);
    if (set)
        m_p->setColor(value);
    QCOMPARE(m_p->Color(), color);
    QCOMPARE(readouts(*m_p), texts);
    QCOMPARE(m_p->cSlider()->CurrentColor(), color);
}

void TestPicker::startsGreyAtItsFixedSize()
{
    for (int n = 1; n <= 12; ++n)
        QCOMPARE(m_p->sColor(n), 0);
    QCOMPARE(m_p->CurrentHue(), 0.0f);
    QCOMPARE(m_p->iHuePos()->pos(), QPoint(116, 9)); // middle row level with bar row 0
    QCOMPARE(m_p->cSlider()->geometry(), QRect(7, 139, 132, 80));
    QCOMPARE(m_p->lblCol(11)->geometry(), QRect(194, 202, 15, 15));
    QCOMPARE(m_p->lblCopy(0)->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(m_p->lblCopy(0)->font().pointSizeF(), 6.75);
    m_p->resize(400, 100);
    QCOMPARE(m_p->size(), QSize(214, 222));
    m_p->setGeometry(5, 5, 10, 10);
    QCOMPARE(m_p->size(), QSize(214, 222));
}

void TestPicker::oneColourSetAnnouncesEachChannelThenTheWhole()
{
    QList<OLE_COLOR> seen;
    connect(m_p.get(), &Quor_Colorpicker::Colorchanged, this, [&] { seen.append(m_p->Color()); });
    m_p->setColor(0x00336699);
    QCOMPARE(seen, (QList<OLE_COLOR>{0x00808099, 0x00806699, 0x00336699, 0x00336699}));
    QCOMPARE(m_p->CurrentHue(), 0.0f); // the palette does not follow
    seen.clear();
    QTest::mouseClick(m_p->lblCurColor(), Qt::LeftButton);
    QCOMPARE(seen, QList<OLE_COLOR>{0x00336699}); // the same colour again: one refresh
}

void TestPicker::favouritesLoadOnLeftAndStoreOnRight()
{
    QSignalSpy spy(m_p.get(), &Quor_Colorpicker::Colorchanged);
    m_p->setsColor5(0x00123456);
    QCOMPARE(m_p->lblCol(4)->BackColor(), 0x00123456);
    QCOMPARE(spy.count(), 0);

    const QRect frameBefore = m_p->shpSelect()->geometry();
    m_p->setColor(0x00445566);
    spy.clear();
    QTest::mouseClick(m_p->lblCol(7), Qt::RightButton);
    QCOMPARE(m_p->sColor8(), 0x00445566);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_p->shpSelect()->geometry(), frameBefore);

    m_p->setColor(0);
    spy.clear();
    QTest::mouseClick(m_p->lblCol(7), Qt::LeftButton);
    QCOMPARE(m_p->Color(), 0x00445566);
    QCOMPARE(spy.count(), 4);
    QCOMPARE(m_p->shpSelect()->geometry(), m_p->lblCol(7)->geometry().adjusted(-1, -1, 1, 1));
}

void TestPicker::copyLabelsPutTrimmedTextOnTheClipboard()
{
    m_p->txtInfo(1)->setText(QStringLiteral("  8421504 ")); // typed-over read-out, blanks trimmed
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(m_p->lblCopy(i), Qt::LeftButton);
    QCOMPARE(m_desk->clipboard.calls,
             QStringList({"clear", "text:&H808080", "clear", "text:8421504", "clear", "text:#808080"}));

    // The hover box follows the last label and fills while it is held.
    sendMouse(m_p->lblCopy(2), QEvent::MouseMove, QPoint(3, 3), Qt::NoButton, Qt::NoButton);
    QCOMPARE(m_p->shpCopySelect()->geometry(), m_p->lblCopy(2)->geometry().adjusted(-1, -1, 2, 2));
    QTest::mousePress(m_p->lblCopy(2), Qt::LeftButton);
    QCOMPARE(m_p->shpCopySelect()->fillStyle(), ShapeBox::Solid);
    QTest::mouseRelease(m_p->lblCopy(2), Qt::LeftButton);
    QCOMPARE(m_p->shpCopySelect()->fillStyle(), ShapeBox::Transparent);
}

void TestPicker::hueBarAndPaletteSurfaces()
{
    const SurfaceBox* bar = m_p->iHue();
    QCOMPARE(bar->surface().size(), QSize(17, 101));
    QCOMPARE(bar->GetPixel(0, 0), 0x000000FF);
    QCOMPARE(bar->GetPixel(16, 50), 0x00FFFF00); // cyan
    QCOMPARE(bar->GetPixel(8, 84), 0x00F200FF);  // hue -0.95: between magenta and red
    QCOMPARE(bar->GetPixel(8, 100), 0x000000FF); // red again
    QCOMPARE(bar->GetPixel(17, 50), -1);         // outside the drawing area

    // The palette for red: full saturation on the left, none on the right;
    // white at the top, black at the bottom, the pure hue half-way down.
    const SurfaceBox* pal = m_p->iPal();
    QCOMPARE(pal->surface().size(), QSize(101, 101));
    QCOMPARE(pal->GetPixel(0, 0), RGB(255, 255, 255));
    QCOMPARE(pal->GetPixel(0, 50), RGB(255, 0, 0));
    QCOMPARE(pal->GetPixel(100, 50), RGB(128, 128, 128));
    QCOMPARE(pal->GetPixel(37, 100), RGB(0, 0, 0));
    QCOMPARE(pal->GetPixel(50, 50), RGB(191, 64, 64));
}

void TestPicker::hueDragRedrawsPaletteAndPicksBarColour_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<float>("hue");
    QTest::addColumn<int>("markerTop");
    QTest::addColumn<int>("color");
    QTest::newRow("row 50 cyan") << QPoint(8, 50) << int(Qt::LeftButton) << 3.0f << 59 << 0x00FFFF00;
    QTest::newRow("above the bar") << QPoint(8, -30) << int(Qt::LeftButton) << 0.0f << 9 << 0x000000FF;
    QTest::newRow("below the bar wraps to red") << QPoint(8, 140) << int(Qt::LeftButton) << 0.0f << 9 << 0x000000FF;
    QTest::newRow("row 84 negative hue") << QPoint(8, 84) << int(Qt::LeftButton) << -0.95f << 93 << 0x00F200FF;
    QTest::newRow("sideways beyond the bar") << QPoint(60, 50) << int(Qt::LeftButton) << 3.0f << 59 << 0x00FFFF00;
    QTest::newRow("right drag picks nothing") << QPoint(8, 50) << int(Qt::RightButton) << 0.0f << 9 << 0x00808080;
}

void TestPicker::hueDragRedrawsPaletteAndPicksBarColour()
{
    QFETCH(QPoint, at);
    QFETCH(int, buttons);
    QFETCH(float, hue);
    QFETCH(int, markerTop);
    QFETCH(int, color);
    sendMouse(m_p->iHue(), QEvent::MouseButtonPress, QPoint(9, 51), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(m_p->Color(), 0x00808080); // a press alone picks no hue
    drag(m_p->iHue(), at, Qt::MouseButtons(buttons));
    QCOMPARE(m_p->CurrentHue(), hue);
    QCOMPARE(m_p->iHuePos()->y(), markerTop);
    QCOMPARE(m_p->Color(), color);
    // The pure hue at the left of row 50: the bar's colour (red when no hue was picked).
    QCOMPARE(m_p->iPal()->GetPixel(0, 50), buttons == int(Qt::LeftButton) ? color : 0x000000FF);
}

void TestPicker::palettePressAndDragPickTheColourUnderThePointer_data()
{
    QTest::addColumn<bool>("press");
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("color");
    QTest::newRow("left press") << true << int(Qt::LeftButton) << QPoint(50, 50) << RGB(191, 64, 64);
    QTest::newRow("right press picks as left") << true << int(Qt::RightButton) << QPoint(0, 25) << RGB(255, 128, 128);
    QTest::newRow("left drag") << false << int(Qt::LeftButton) << QPoint(25, 75) << RGB(112, 16, 16);
    QTest::newRow("drag far left holds column 0") << false << int(Qt::LeftButton) << QPoint(-80, 50) << RGB(255, 0, 0);
    QTest::newRow("drag below holds the bottom row") << false << int(Qt::LeftButton) << QPoint(30, 500) << 0;
    QTest::newRow("right drag picks nothing") << false << int(Qt::RightButton) << QPoint(50, 50) << 0x00808080;
}

void TestPicker::palettePressAndDragPickTheColourUnderThePointer()
{
    QFETCH(bool, press);
    QFETCH(int, button);
    QFETCH(QPoint, at);
    QFETCH(int, color);
    QSignalSpy spy(m_p.get(), &Quor_Colorpicker::Colorchanged);
    const auto b = Qt::MouseButton(button);
    if (press)
        sendMouse(m_p->iPal(), QEvent::MouseButtonPress, at + QPoint(1, 1), b, b);
    else
        drag(m_p->iPal(), at, b);
    QCOMPARE(m_p->Color(), color);
    QCOMPARE(m_p->cSlider()->CurrentColor(), color);
    QCOMPARE(m_p->txtInfo(2)->text(), mCPUtils::ToHtmlText(color));
    QCOMPARE(spy.isEmpty(), color == 0x00808080);
}

void TestPicker::standardColorsDialogOutcomes_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("color");
    QTest::addColumn<int>("events");
    QTest::newRow("OK unchanged sets the same colour again") << 1 << -2 << 0x00808080 << 1;
    QTest::newRow("OK with a new colour") << 1 << 0x00336699 << 0x00336699 << 4;
    QTest::newRow("cancel") << 0 << 0x00336699 << 0x00808080 << 0;
    QTest::newRow("failure") << 7 << 0x00336699 << 0x00808080 << 0;
}

void TestPicker::standardColorsDialogOutcomes()
{
    QFETCH(int, result);
    QFETCH(int, chosen);
    QFETCH(int, color);
    QFETCH(int, events);
    FakeColorDialog& dialog = m_desk->colorDialog;
    m_p->setsColor1(0x00111111);
    dialog.result = result;
    dialog.chosen = chosen;
    QSignalSpy spy(m_p.get(), &Quor_Colorpicker::Colorchanged);
    QTest::mouseClick(m_p->cmdStandardColors(), Qt::LeftButton);
    QCOMPARE(dialog.calls, 1);
    QCOMPARE(dialog.seen.rgbResult, 0x00808080); // opens on the current colour
    QCOMPARE(dialog.seen.Flags, 0x101u);
    QCOMPARE(dialog.seen.hwndOwner, static_cast<QWidget*>(m_p.get()));
    QCOMPARE(m_p->Color(), color);
    QCOMPARE(spy.count(), events);
    QCOMPARE(m_p->txtInfo(2)->text(), mCPUtils::ToHtmlText(color));
    QCOMPARE(m_p->sColor1(), 0x00111111);
}

void TestPicker::dialogCustomColoursAndFlags()
{
    FakeColorDialog& fake = m_desk->colorDialog;
    gCommonDialog dlg;
    QCOMPARE(fake.sysColorReads, 0);
    QCOMPARE(dlg.CustomColor(0), 0x00010101); // system colour of element 0, read on first need
    QCOMPARE(dlg.CustomColor(15), 0x00101010);
    QCOMPARE(dlg.CustomColor(16), -1);
    QCOMPARE(dlg.CustomColor(-1), -1);
    dlg.setCustomColor(16, 0x00FFFFFF);
    dlg.setCustomColor(-1, 0x00FFFFFF);
    dlg.setCustomColor(3, 0x00ABABAB);
    QCOMPARE(dlg.CustomColor(3), 0x00ABABAB);
    QCOMPARE(fake.sysColorReads, 16);

    OLE_COLOR c = 0x00102030;
    fake.result = 0;
    QVERIFY(!dlg.VBChooseColor(c, false, true, true, nullptr, 0x7FFF, true, this));
    QCOMPARE(c, -1);
    QCOMPARE(dlg.APIReturn(), 0);
    QCOMPARE(fake.seen.lStructSize, 36u);
    QCOMPARE(fake.seen.Flags, 0x80u | 0x1u | 0x2u | 0x4u); // no hook or template bits
    QCOMPARE(fake.seenCustom[3], 0x00ABABAB);
    QCOMPARE(dlg.CustomColor(0), 0x00ABCDEF); // the dialog's edits come back

    fake.result = 3;
    fake.extendedError = 0xFFFF;
    c = 5;
    QVERIFY(!dlg.VBChooseColor(c, true));
    QCOMPARE(c, -1);
    QCOMPARE(dlg.APIReturn(), 3);
    QCOMPARE(dlg.ExtendedError(), 0xFFFF);
}

QTEST_MAIN(TestPicker)
#include "tst_Quor_Colorpicker.moc"
