#include "sliders/SliderGeometry.h"
#include "sliders/mRampPictures.h"
#include "sliders/mSliderRules.h"

#include <QtTest>
#include <cmath>

using namespace mSliderRules;

class TestSliderRules : public QObject {
    Q_OBJECT
private slots:
    void webSafeLevel_data();
    void webSafeLevel();
    void greyLevel_data();
    void greyLevel();
    void leadingNumber_data();
    void leadingNumber();
    void unreadablePixelSplitsIntoMinusOneRed();
    void gradientStepsRoundHalfToEven();
    void geometryFollowsTheWidth_data();
    void geometryFollowsTheWidth();
    void rampPicturesHaveTheirSizeAndSwatchEnd();
};

void TestSliderRules::webSafeLevel_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("level");
    const int rows[][2] = {{0, 0}, {25, 0}, {26, 51}, {76, 51}, {77, 102}, {127, 102}, {128, 153},
                           {178, 153}, {179, 204}, {229, 204}, {230, 255}, {255, 255}, {-1, 0}, {300, 0}};
    for (const auto& r : rows)
        QTest::addRow("%d", r[0]) << r[0] << r[1];
}

void TestSliderRules::webSafeLevel()
{
    QFETCH(int, v);
    QFETCH(int, level);
    QCOMPARE(WebSafeLevel(v), level);
}

void TestSliderRules::greyLevel_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("grey");
    const int rows[][4] = {{255, 255, 255, 255}, {254, 254, 254, 254}, {255, 0, 0, 76}, {5, 0, 0, 1}, {0, 0, 50, 6},
                           {180, 0, 0, 51}, {0, 175, 0, 102}, {255, 218, 0, 204}, {204, 204, 204, 203}, {0, 0, 0, 0}};
    for (const auto& r : rows)
        QTest::addRow("%d,%d,%d", r[0], r[1], r[2]) << r[0] << r[1] << r[2] << r[3];
}

void TestSliderRules::greyLevel()
{
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(int, grey);
    QCOMPARE(GreyLevel(r, g, b), grey);
}

void TestSliderRules::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("plain");
    QTest::newRow("digits") << "123" << 123 << true;
    QTest::newRow("leading zeros") << "007" << 7 << true;
    QTest::newRow("trailing letters") << "12ab" << 12 << false;
    QTest::newRow("leading blank") << " 7" << 7 << false;
    QTest::newRow("negative") << "-3" << -3 << false;
    QTest::newRow("letters only") << "abc" << 0 << false;
    QTest::newRow("fullwidth digits") << QStringLiteral("１２") << 0 << false;
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("huge saturates") << QString(40, QLatin1Char('9')) << 1000000000 << true;
}

void TestSliderRules::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(bool, plain);
    QCOMPARE(LeadingNumber(text), number);
    QCOMPARE(IsPlainDigits(text), plain);
}

void TestSliderRules::unreadablePixelSplitsIntoMinusOneRed()
{
    const Channels c = ChannelsOf(-1);
    QCOMPARE(c.red, -1);
    QCOMPARE(c.green, 0);
    QCOMPARE(c.blue, 0);
    const Channels d = ChannelsOf(0x00336699);
    QCOMPARE(d.red, 0x99);
    QCOMPARE(d.green, 0x66);
    QCOMPARE(d.blue, 0x33);
    QCOMPARE(HtmlOfChannels(0, 128, 255), QStringLiteral("#0080FF"));
}

void TestSliderRules::gradientStepsRoundHalfToEven()
{
    QCOMPARE(GradientComponent(0, 255, 0, 2), 0);
    QCOMPARE(GradientComponent(0, 255, 1, 2), 128); // 127.5 goes to the even 128
    QCOMPARE(GradientComponent(0, 255, 2, 2), 255);
    for (int i = 0; i <= 85; ++i) // the 132-pixel instance: red 3 * i exactly
        QCOMPARE(GradientComponent(0, 255, i, 85), 3 * i);
}

void TestSliderRules::geometryFollowsTheWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("value");
    QTest::newRow("left end") << 132 << 5.0 << 0;
    QTest::newRow("right end") << 132 << 92.0 << 255;
    QTest::newRow("middle: 45 * 255 / 87 = 131.9") << 132 << 50.0 << 132;
    QTest::newRow("far right clamps") << 132 << 200.0 << 255;
    QTest::newRow("far left clamps") << 132 << -40.0 << 0;
    QTest::newRow("wider ramp end") << 146 << 106.0 << 255;
}

void TestSliderRules::geometryFollowsTheWidth()
{
    QFETCH(int, width);
    QFETCH(double, x);
    QFETCH(int, value);
    const SliderGeometry g = SliderGeometry::ForSize(width, 80);
    const int v = g.ValueAt(g.ClampX(x));
    QCOMPARE(v, value);
    // The marker drawn for that value has its apex where the drag produced it.
    const double apex = g.MarkerLeftFor(v) + 5;
    QVERIFY(std::abs(apex - g.ClampX(x)) <= 0.5 + 1.0 / g.SliderScale);

    if (width == 132) {
        QCOMPARE(g.RampRect[0], (mDraw::Rect{5, 14, 92, 22}));
        QCOMPARE(g.RampRect[2], (mDraw::Rect{5, 62, 92, 70}));
        QCOMPARE(g.ZeroMarker(1), (mDraw::Rect{0, 46, 10, 51}));
        QCOMPARE(g.PicRGBPos, QPoint(94, 12));
        QCOMPARE(g.TxtColorPos[0], QPoint(104, 10));
        QCOMPARE(g.TxtColorPos[1], QPoint(104, 31));
        QCOMPARE(g.TxtColorPos[2], QPoint(104, 52));
        QCOMPARE(g.HitChannel(13), -1);
        QCOMPARE(g.HitChannel(37), 0);
        QCOMPARE(g.HitChannel(38), 1);
        QCOMPARE(g.HitChannel(85), 2);
        QCOMPARE(g.HitChannel(86), -1);
    }
}

void TestSliderRules::rampPicturesHaveTheirSizeAndSwatchEnd()
{
    for (int i = 0; i < 4; ++i) {
        const QImage& img = mRampPictures::RampPicture(i);
        QCOMPARE(img.size(), QSize(198, 15));
        for (int x = 190; x < 198; ++x) {
            QCOMPARE(img.pixel(x, 6), qRgb(255, 255, 255));
            QCOMPARE(img.pixel(x, 7), qRgb(0, 0, 0));
        }
    }
    const QImage& spectrum = mRampPictures::RampPicture(0);
    // Row 7 holds the pure hues, red through magenta and back towards red:
    // each column against the textbook hue-to-RGB formula, within one step
    // of rounding. (A hue run past magenta wraps to green or cyan instead.)
    for (int x = 0; x < 190; ++x) {
        const double degrees = x * 360.0 / 190.0;
        const auto channel = [&](double offset) {
            const double k = std::fmod(offset + degrees / 60.0, 6.0);
            return 255.0 * (1.0 - std::max(0.0, std::min({k, 4.0 - k, 1.0})));
        };
        const QRgb px = spectrum.pixel(x, 7);
        QVERIFY2(std::abs(qRed(px) - channel(5)) <= 1 && std::abs(qGreen(px) - channel(3)) <= 1 && std::abs(qBlue(px) - channel(1)) <= 1,
                 qPrintable(QStringLiteral("column %1: %2").arg(x).arg(px & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
    }
    QVERIFY(qGray(spectrum.pixel(0, 0)) > 220);  // pale at the top
    QVERIFY(qGray(spectrum.pixel(95, 14)) < 40); // near black at the bottom
    const QImage& grey = mRampPictures::RampPicture(1);
    QCOMPARE(grey.pixel(0, 3), qRgb(0, 0, 0));
    QCOMPARE(grey.pixel(189, 3), qRgb(255, 255, 255));
    const QImage& webSafe = mRampPictures::RampPicture(2);
    for (int x = 0; x < 190; ++x)
        QCOMPARE(qRed(webSafe.pixel(x, 9)) % 51, 0);
    // Web-safe greys: steps 19, 38, 38, 38, 38, 19 columns wide.
    const QImage& steps = mRampPictures::RampPicture(3);
    const int edges[][2] = {{0, 0}, {18, 0}, {19, 52}, {56, 52}, {57, 102}, {95, 153}, {133, 204}, {170, 204}, {171, 255}, {189, 255}};
    for (const auto& e : edges)
        QCOMPARE(qRed(steps.pixel(e[0], 5)), e[1]);
}

QTEST_GUILESS_MAIN(TestSliderRules)
#include "tst_mSliderRules.moc"
