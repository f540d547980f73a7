#include "colour/mCPUtils.h"
#include "widgets/PropertyBag.h"
#include "widgets/mFrameRules.h"
#include "widgets/zelFrames.h"

#include <QFontMetricsF>
#include <QSignalSpy>
#include <QtTest>

using namespace mFrameRules;

namespace {

OLE_COLOR pixelAt(const zelFrames& f, int x, int y)
{
    const QRgb c = f.surface().pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

QImage solid(QColor c, int side)
{
    QImage img(side, side, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

} // namespace

class TestFrames : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void colourArithmetic_data();
    void colourArithmetic();
    void captionAndIconLayout_data();
    void captionAndIconLayout();
    void styleZeroBreaksTheBorderForTheCaption();
    void styleOneDrawsThreeBandsAndALightBody();
    void styleTwoCaptionBoxHasRoundEnds();
    void styleFourGripDots();
    void iconIsClampedBelowTheBands();
    void everyStyleDrawsAtDegenerateSizes_data();
    void everyStyleDrawsAtDegenerateSizes();
    void settersNotifyAndRedrawInOrder();
    void themeColoursFollowThemeAndCustomSetters();
    void stylePresetsSetTheirColours();
    void fontKeepsItsObjectAndOnlyFourAttributes();
    void persistenceKeysDefaultsAndOrder();

private:
    zelFrames* m_f = nullptr;
};

void TestFrames::init()
{
    m_f = new zelFrames;
    m_f->setAmbient({QStringLiteral("zelFrames1"), 0x00C0C0C0, QFont(QStringLiteral("Arial"), 9)});
    m_f->UserControl_InitProperties();
    m_f->resize(245, 300);
}

void TestFrames::cleanup()
{
    delete m_f;
}

void TestFrames::colourArithmetic_data()
{
    QTest::addColumn<int>("got");
    QTest::addColumn<int>("expected");
    QTest::newRow("blend halfway to white, 240.5 to even") << BlendColors(0xE2A981, 0xFFFFFF) << 0xF0D4C0;
    QTest::newRow("blend halfway to black") << BlendColors(0, 0x00FF8040) << 0x00804020;
    QTest::newRow("gradient start") << GradientColor(0x000000, 0xFFFFFF, 0, 4) << 0;
    QTest::newRow("gradient middle 127.5 to even") << GradientColor(0x000000, 0xFFFFFF, 2, 4) << 0x808080;
    QTest::newRow("gradient end") << GradientColor(0x102030, 0x405060, 3, 3) << 0x405060;
    QTest::newRow("zero-step gradient keeps its start") << GradientColor(0x112233, 0xFFFFFF, 0, 0) << 0x112233;
    QTest::newRow("text flags left") << TextFlagsFor(0) << 0x24;
    QTest::newRow("text flags right") << TextFlagsFor(1) << 0x26;
    QTest::newRow("text flags centred") << TextFlagsFor(7) << 0x25;
    QTest::newRow("grip left at W 100") << GripLeft(100) << 33;
    QTest::newRow("theme 9 falls back to theme 1") << int(ThemeFor(9, 1, 2, 3).frame) << 0x6F4B4B;
    QTest::newRow("custom theme") << int(ThemeFor(5, 1, 2, 3).frame) << 3;
}

void TestFrames::colourArithmetic()
{
    QFETCH(int, got);
    QFETCH(int, expected);
    QCOMPARE(got, expected);
}

void TestFrames::captionAndIconLayout_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<int>("iconAlignment");
    QTest::addColumn<QRect>("caption"); // (left, top, right, bottom)
    QTest::addColumn<QPoint>("icon");
    // W = 245, H = 300, caption 80 x 14, icon 16, text box 22.
    QTest::newRow("style 0 left") << 0 << 0 << false << 0 << QRect(18, 0, 98, 14) << QPoint(0, 0);
    QTest::newRow("style 0 right") << 0 << 1 << false << 0 << QRect(147, 0, 227, 14) << QPoint(0, 0);
    QTest::newRow("style 1") << 1 << 2 << false << 0 << QRect(6, 4, 239, 24) << QPoint(0, 6);
    QTest::newRow("style 1 icon left, centred") << 1 << 2 << true << 0 << QRect(28, 4, 217, 24) << QPoint(6, 6);
    QTest::newRow("style 1 icon right, left text") << 1 << 0 << true << 1 << QRect(6, 4, 217, 24) << QPoint(223, 6);
    QTest::newRow("style 2") << 2 << 2 << true << 0 << QRect(46, 0, 199, 21) << QPoint(27, 3);
    QTest::newRow("style 2 icon right") << 2 << 0 << true << 1 << QRect(24, 0, 199, 21) << QPoint(202, 3);
    QTest::newRow("style 3") << 3 << 2 << false << 0 << QRect(6, 0, 239, 21) << QPoint(0, 3);
    QTest::newRow("style 4") << 4 << 2 << false << 0 << QRect(6, 8, 239, 28) << QPoint(0, 9);
    QTest::newRow("style 7 draws no caption, icon at the top") << 7 << 2 << true << 0 << QRect(22, 0, -22, 0) << QPoint(6, 0);
}

void TestFrames::captionAndIconLayout()
{
    QFETCH(int, style);
    QFETCH(int, alignment);
    QFETCH(bool, picture);
    QFETCH(int, iconAlignment);
    QFETCH(QRect, caption);
    QFETCH(QPoint, icon);
    FrameFields f;
    f.Style = style;
    f.hasCaption = true;
    f.Alignment = alignment;
    f.hasPicture = picture;
    f.IconAlignment = iconAlignment;
    const FrameLayout l = LayoutFrame(f, 245, 300, 80, 14);
    QCOMPARE(QRect(l.CaptionRect.left, l.CaptionRect.top, l.CaptionRect.right, l.CaptionRect.bottom), caption);
    QCOMPARE(QPoint(l.iconLeft, l.iconTop), icon);
}

void TestFrames::styleZeroBreaksTheBorderForTheCaption()
{
    m_f->setRoundedCorner(false);
    m_f->setCaption(QStringLiteral("Foreground Color"));
    m_f->setStyle(0);
    const QFontMetricsF metrics(m_f->Font());
    const int tw = mCPUtils::RoundHalfEven(metrics.horizontalAdvance(QStringLiteral("Foreground Color")));
    const int T = mCPUtils::RoundHalfEven(metrics.height() / 2);
    QCOMPARE(pixelAt(*m_f, 14, T), 0xC3C3C3);
    QCOMPARE(pixelAt(*m_f, 15, T), m_f->FillColor());
    QCOMPARE(pixelAt(*m_f, 15 + tw + 5, T), m_f->FillColor());
    QCOMPARE(pixelAt(*m_f, 15 + tw + 6, T), 0xC3C3C3);
    QCOMPARE(pixelAt(*m_f, 0, 200), 0xC3C3C3);    // left border
    QCOMPARE(pixelAt(*m_f, 100, 200), 0xC0C0C0);  // body filled with the ambient colour
    QCOMPARE(pixelAt(*m_f, 100, 0), 0xC0C0C0);    // above the body: the back colour
}

void TestFrames::styleOneDrawsThreeBandsAndALightBody()
{
    m_f->setCaption(QString());
    m_f->setRoundedCorner(false);
    m_f->setThemeColor(3); // theme 3, then the frame is redrawn with it
    const OLE_COLOR to = m_f->ThemeTo(), from = m_f->ThemeFrom(), frame = m_f->ThemeFrame();
    QCOMPARE(from, 0xABC2C2);
    QCOMPARE(pixelAt(*m_f, 0, 1), frame);   // band A outline
    QCOMPARE(pixelAt(*m_f, 1, 0), frame);
    QCOMPARE(pixelAt(*m_f, 5, 1), GradientColor(to, from, 1, 3));
    QCOMPARE(pixelAt(*m_f, 5, 3), frame);   // A's bottom and B's top share row 3
    QCOMPARE(pixelAt(*m_f, 5, 14), GradientColor(to, from, 11, 22));
    QCOMPARE(pixelAt(*m_f, 5, 25), frame);
    QCOMPARE(pixelAt(*m_f, 5, 27), GradientColor(to, from, 2, 3));
    QCOMPARE(pixelAt(*m_f, 5, 28), frame);
    QCOMPARE(pixelAt(*m_f, 1, 29), BlendColors(to, 0xFFFFFF)); // body gradient from row 29
    QCOMPARE(pixelAt(*m_f, 243, 29), BlendColors(to, 0xFFFFFF));
    QCOMPARE(pixelAt(*m_f, 244, 29), frame);                   // body outline
    QCOMPARE(pixelAt(*m_f, 100, 290), BlendColors(from, 0xFFFFFF)); // below it the fill, the gradient's end
}

void TestFrames::styleTwoCaptionBoxHasRoundEnds()
{
    m_f->setCaption(QString());
    m_f->setStyle(2);
    QVERIFY(m_f->RoundedCornerTxtBox());
    QCOMPARE(pixelAt(*m_f, 15, 0), 0xC0C0C0); // the rounded end leaves the corner empty
    QCOMPARE(pixelAt(*m_f, 15, 11), 0x6A6A6A); // the middle of the left end is on the outline
    QCOMPARE(pixelAt(*m_f, 60, 0), 0x6A6A6A);
    QCOMPARE(pixelAt(*m_f, 60, 10), 0xB0EFF0);
    m_f->setRoundedCornerTxtBox(false);
    QCOMPARE(pixelAt(*m_f, 15, 0), 0x6A6A6A);
}

void TestFrames::styleFourGripDots()
{
    m_f->resize(100, 120);
    m_f->setCaption(QString());
    m_f->setStyle(4);
    const OLE_COLOR dark = BlendColors(0, m_f->ThemeFrom());
    for (const QPoint p : {QPoint(33, 2), QPoint(34, 2), QPoint(33, 3), QPoint(34, 3), QPoint(66, 3)})
        QCOMPARE(pixelAt(*m_f, p.x(), p.y()), dark);
    for (const QPoint p : {QPoint(35, 3), QPoint(34, 4), QPoint(35, 4), QPoint(67, 4)})
        QCOMPARE(pixelAt(*m_f, p.x(), p.y()), 0xFFFFFF);
    QCOMPARE(pixelAt(*m_f, 50, 28), 0); // separator under the caption
}

void TestFrames::iconIsClampedBelowTheBands()
{
    m_f->setStyle(1);
    m_f->setIconSize(32);
    m_f->setPicture(solid(Qt::magenta, 8));
    QCOMPARE(pixelAt(*m_f, 6, 5), 0xFF00FF);
    QCOMPARE(pixelAt(*m_f, 37, 36), 0xFF00FF);
    QVERIFY(pixelAt(*m_f, 6, 4) != 0xFF00FF);
    QVERIFY(pixelAt(*m_f, 38, 20) != 0xFF00FF);
}

void TestFrames::everyStyleDrawsAtDegenerateSizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("textBoxHeight");
    QTest::newRow("0 x 0") << QSize(0, 0) << 22;
    QTest::newRow("10 x 10") << QSize(10, 10) << 22;
    QTest::newRow("text box 0") << QSize(120, 80) << 0;
    QTest::newRow("body gradient of zero steps") << QSize(80, 36) << 22;
    QTest::newRow("negative text box") << QSize(50, 50) << -30;
}

void TestFrames::everyStyleDrawsAtDegenerateSizes()
{
    QFETCH(QSize, size);
    QFETCH(int, textBoxHeight);
    m_f->resize(size);
    m_f->setPicture(solid(Qt::blue, 4));
    for (int style = 0; style <= 5; ++style) {
        m_f->setStyle(style);
        m_f->setTextBoxHeight(textBoxHeight);
        for (bool rounded : {false, true})
            m_f->setRoundedCorner(rounded);
        QCOMPARE(m_f->surface().size(), size.isEmpty() ? QSize(0, 0) : size);
    }
    if (textBoxHeight == 0) { // zero-step bands draw one line in their start colour
        m_f->setStyle(1);
        m_f->setTextBoxHeight(0);
        m_f->setCaption(QString());
        QCOMPARE(pixelAt(*m_f, 50, 3), m_f->ThemeFrame());
    }
}

void TestFrames::settersNotifyAndRedrawInOrder()
{
    QStringList events;
    connect(m_f, &zelFrames::PropertyChanged, this, [&](const QString& n) {
        events.append(n + QLatin1Char('@') + QString::number(m_f->drawCount()));
    });
    const int d = m_f->drawCount();
    m_f->setCaption(QStringLiteral("x"));                 // redraw, no notification
    m_f->setTextColor(0x0000FF);                          // notify, then redraw
    m_f->setThemeColor(3);                                // redraw, then notify
    m_f->setThemeColor(3);                                // nothing at all
    m_f->setColorFrom(0x123456);
    QCOMPARE(events, QStringList({QStringLiteral("TextColor@%1").arg(d + 1), QStringLiteral("ThemeColor@%1").arg(d + 3),
                                  QStringLiteral("ColorFrom@%1").arg(d + 3)}));
    QCOMPARE(m_f->drawCount(), d + 4);
}

void TestFrames::themeColoursFollowThemeAndCustomSetters()
{
    m_f->setThemeColor(2);
    QCOMPARE(m_f->ThemeFrom(), 0x8FC5B5);
    m_f->setColorFrom(0x00010203);
    QCOMPARE(m_f->ThemeFrom(), 0x00010203);
    m_f->setFrameColor(0x00FF0000);
    QCOMPARE(m_f->ThemeFrame(), 0x385D3F);
    m_f->setThemeColor(0);
    m_f->setThemeColor(2);
    QCOMPARE(m_f->ThemeFrom(), 0x8FC5B5);
    m_f->setThemeColor(5);
    QCOMPARE(m_f->ThemeFrom(), 0x00010203);
    QCOMPARE(m_f->ThemeFrame(), 0x00FF0000);
    m_f->setFrameColor(0x00AA0000);
    QCOMPARE(m_f->ThemeFrame(), 0x00AA0000);
}

void TestFrames::stylePresetsSetTheirColours()
{
    QSignalSpy spy(m_f, &zelFrames::PropertyChanged);
    m_f->setStyle(0);
    QCOMPARE(m_f->Alignment(), 0);
    QCOMPARE(m_f->TextFlags(), 0x24);
    QCOMPARE(m_f->TextColor(), 0xCF3603);
    QCOMPARE(m_f->FillColor(), 0x00C0C0C0);
    QCOMPARE(spy.count(), 1); // only Style itself
    m_f->setStyle(3);
    QVERIFY(m_f->RoundedCorner());
    QCOMPARE(m_f->FillColor(), 0xE0FFFF);
    QCOMPARE(m_f->TextFlags(), 0x25);
    m_f->setThemeColor(4);
    m_f->setStyle(1);
    QCOMPARE(m_f->ThemeColor(), 0);
    QCOMPARE(m_f->ThemeFrom(), 0x01ACD9); // value only: theme 4's colours stay until applied
    m_f->setStyle(9);
    QCOMPARE(m_f->TextBoxColor(), 0xFFFFFF);
}

void TestFrames::fontKeepsItsObjectAndOnlyFourAttributes()
{
    const QFont* own = &m_f->Font();
    QFont f(QStringLiteral("Verdana"), 14);
    f.setBold(true);
    f.setItalic(true);
    f.setUnderline(true);
    f.setStrikeOut(true);
    m_f->setFont(f);
    QCOMPARE(&m_f->Font(), own);
    QCOMPARE(m_f->Font().family(), QStringLiteral("Verdana"));
    QCOMPARE(m_f->Font().pointSize(), 14);
    QVERIFY(m_f->Font().bold() && m_f->Font().italic());
    QVERIFY(!m_f->Font().underline() && !m_f->Font().strikeOut());
}

void TestFrames::persistenceKeysDefaultsAndOrder()
{
    zelFrames loaded;
    loaded.setAmbient(m_f->ambient());
    loaded.UserControl_ReadProperties(PropertyBag());
    QCOMPARE(loaded.Style(), 1);
    QCOMPARE(loaded.ThemeColor(), 0);
    QCOMPARE(loaded.TextBoxHeight(), 22);
    QCOMPARE(int(loaded.IconSize()), 16);
    QCOMPARE(loaded.Alignment(), 2);
    QCOMPARE(loaded.TextFlags(), 0x25);
    QCOMPARE(loaded.ColorFrom(), 0x9E9EFF);
    QCOMPARE(loaded.ColorTo(), 0xF0F0FF);
    QCOMPARE(loaded.Caption(), QStringLiteral("zelFrames1"));
    QCOMPARE(loaded.BackColor(), 0x00C0C0C0);

    // A newly placed frame has ColorFrom and ColorTo 0, so both are stored;
    // its own font differs from the host's, so that is stored too.
    PropertyBag bag;
    m_f->setCaption(QStringLiteral("Background"));
    m_f->setStyle(2);
    m_f->setPicture(solid(Qt::red, 3));
    m_f->UserControl_WriteProperties(bag);
    QCOMPARE(bag.keys(), QStringList({"FrameColor", "TextBoxColor", "Style", "RoundedCornerTxtBox", "Caption",
                                      "Font", "Picture", "ColorFrom", "ColorTo"}));

    zelFrames again;
    again.setAmbient(m_f->ambient());
    again.resize(245, 300);
    again.UserControl_ReadProperties(bag);
    QCOMPARE(again.Style(), 2);
    QCOMPARE(again.Caption(), QStringLiteral("Background"));
    QCOMPARE(again.Picture().size(), QSize(3, 3));
    QCOMPARE(again.ColorFrom(), 0);
    QCOMPARE(again.surface(), m_f->surface());
}

QTEST_MAIN(TestFrames)
#include "tst_zelFrames.moc"
