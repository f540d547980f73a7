#include "colour/PaletteBitmap.h"
#include "colour/mCPUtils.h"

#include <QtTest>
#include <cmath>

using namespace mCPUtils;

namespace {

// Textbook HSL with the hue in degrees, in plain double precision: an
// independent reference for the picker's own conversion.
void referenceHsl(double hueDegrees, double s, double l, double rgb[3])
{
    const double c = (1 - std::abs(2 * l - 1)) * s;
    const double hp = std::fmod(hueDegrees + 360.0, 360.0) / 60.0;
    const double x = c * (1 - std::abs(std::fmod(hp, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hp)) {
    case 0: r = c; g = x; break;
    case 1: r = x; g = c; break;
    case 2: g = c; b = x; break;
    case 3: g = x; b = c; break;
    case 4: r = x; b = c; break;
    default: r = c; b = x; break;
    }
    const double m = l - c / 2;
    rgb[0] = (r + m) * 255;
    rgb[1] = (g + m) * 255;
    rgb[2] = (b + m) * 255;
}

} // namespace

class TestColourValues : public QObject {
    Q_OBJECT
private slots:
    void roundingTiesGoToEven_data();
    void roundingTiesGoToEven();
    void hslToRgbGivesKnownColours_data();
    void hslToRgbGivesKnownColours();
    void hslToRgbAgreesWithReferenceOverTheWholeBar();
    void hueBarRowsMapToHueNumbersAndBack_data();
    void hueBarRowsMapToHueNumbersAndBack();
    void textForms_data();
    void textForms();
    void htmlToLongTextSurvivesMalformedText_data();
    void htmlToLongTextSurvivesMalformedText();
    void paletteBitmapLayoutAndContent();
};

void TestColourValues::roundingTiesGoToEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("rounded");
    QTest::newRow("127.5 up to even") << 127.5 << 128;
    QTest::newRow("128.5 down to even") << 128.5 << 128;
    QTest::newRow("below half") << 131.9 << 132;
    QTest::newRow("negative half") << -0.5 << 0;
    QTest::newRow("negative one and a half") << -1.5 << -2;
    QTest::newRow("just under a half") << 0.49999999999999994 << 0;
    QTest::newRow("large") << 2147483646.5 << 2147483646;
}

void TestColourValues::roundingTiesGoToEven()
{
    QFETCH(double, x);
    QFETCH(int, rounded);
    QCOMPARE(RoundHalfEven(x), rounded);
}

void TestColourValues::hslToRgbGivesKnownColours_data()
{
    QTest::addColumn<float>("h");
    QTest::addColumn<float>("s");
    QTest::addColumn<float>("l");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("red") << 0.0f << 1.0f << 0.5f << 255 << 0 << 0;
    QTest::newRow("cyan") << 3.0f << 1.0f << 0.5f << 0 << 255 << 255;
    QTest::newRow("negative hue between magenta and red") << -0.95f << 1.0f << 0.5f << 255 << 0 << 242;
    QTest::newRow("grey 127.5 rounds to even") << 2.3f << 0.0f << 0.5f << 128 << 128 << 128;
    QTest::newRow("white whatever the hue") << 4.2f << 0.7f << 1.0f << 255 << 255 << 255;
    QTest::newRow("black whatever the hue") << 1.5f << 0.3f << 0.0f << 0 << 0 << 0;
    QTest::newRow("half saturated") << 0.0f << 0.5f << 0.5f << 191 << 64 << 64;
    QTest::newRow("light") << 0.0f << 1.0f << 0.75f << 255 << 128 << 128;
    QTest::newRow("dark") << 0.0f << 0.75f << 0.25f << 112 << 16 << 16;
    QTest::newRow("magenta end") << 5.0f << 1.0f << 0.5f << 255 << 0 << 255;
}

void TestColourValues::hslToRgbGivesKnownColours()
{
    QFETCH(float, h);
    QFETCH(float, s);
    QFETCH(float, l);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    std::int32_t red = -1, green = -1, blue = -1;
    HslToRgb(h, s, l, red, green, blue);
    QCOMPARE(red, r);
    QCOMPARE(green, g);
    QCOMPARE(blue, b);
}

void TestColourValues::hslToRgbAgreesWithReferenceOverTheWholeBar()
{
    for (int n = 0; n <= 240; ++n) {
        const float h = HueOfNumber(n);
        for (int si = 0; si <= 100; si += 5) {
            for (int li = 0; li <= 100; li += 5) {
                const auto s = static_cast<float>(si / 100.0);
                const auto l = static_cast<float>(li / 100.0);
                std::int32_t rgb[3];
                HslToRgb(h, s, l, rgb[0], rgb[1], rgb[2]);
                double ref[3];
                referenceHsl(n * 1.5, s, l, ref);
                for (int c = 0; c < 3; ++c) {
                    if (std::abs(rgb[c] - ref[c]) > 1.0 || rgb[c] < 0 || rgb[c] > 255)
                        QFAIL(qPrintable(QStringLiteral("hue number %1 s %2 l %3 channel %4: %5, reference %6")
                                             .arg(n).arg(si).arg(li).arg(c).arg(rgb[c]).arg(ref[c])));
                }
            }
        }
    }
}

void TestColourValues::hueBarRowsMapToHueNumbersAndBack_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("number");
    QTest::addColumn<float>("hue");
    QTest::newRow("row 0 red") << 0 << 0 << 0.0f;
    QTest::newRow("row 1") << 1 << 2 << 0.05f;
    QTest::newRow("row 2") << 2 << 5 << 0.125f;
    QTest::newRow("row 5") << 5 << 12 << 0.3f;
    QTest::newRow("row 50 cyan") << 50 << 120 << 3.0f;
    QTest::newRow("row 83 last before wrap") << 83 << 199 << 4.975f;
    QTest::newRow("row 84 wraps negative") << 84 << 202 << -0.95f;
    QTest::newRow("row 100 red again") << 100 << 240 << 0.0f;
}

void TestColourValues::hueBarRowsMapToHueNumbersAndBack()
{
    QFETCH(int, row);
    QFETCH(int, number);
    QFETCH(float, hue);
    QCOMPARE(HueNumberOfRow(row), number);
    QCOMPARE(HueOfNumber(number), hue);
    // The marker's row for the picked hue lies within 0.17 of the row (row
    // 100 is the same hue as row 0 and so comes back as 0).
    QVERIFY(std::abs(RowOfHue(hue) - (row == 100 ? 0 : row)) < 0.17);
}

void TestColourValues::textForms_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("longText");
    QTest::addColumn<QString>("html");
    QTest::newRow("example") << 0x00336699 << "&H336699" << "3368601" << "#996633";
    QTest::newRow("black") << 0 << "&H0" << "0" << "#000000";
    QTest::newRow("red") << 0x000000FF << "&HFF" << "255" << "#FF0000";
    QTest::newRow("blue") << 0x00FF0000 << "&HFF0000" << "16711680" << "#0000FF";
    QTest::newRow("white") << 0x00FFFFFF << "&HFFFFFF" << "16777215" << "#FFFFFF";
    QTest::newRow("grey") << 0x00808080 << "&H808080" << "8421504" << "#808080";
}

void TestColourValues::textForms()
{
    QFETCH(int, v);
    QFETCH(QString, hex);
    QFETCH(QString, longText);
    QFETCH(QString, html);
    QCOMPARE(ToHexText(v), hex);
    QCOMPARE(ToHtmlText(v), html);
    QCOMPARE(ToLongText(v), longText);
    QCOMPARE(HtmlToLongText(ToHtmlText(v)), QString::number(v));
}

void TestColourValues::htmlToLongTextSurvivesMalformedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("grey") << "#808080" << "8421504";
    QTest::newRow("lower case") << "#ff0000" << "255";
    QTest::newRow("no hash") << "0000FF" << "16711680";
    QTest::newRow("empty pads to zero") << "" << "0";
    QTest::newRow("hash alone") << "#" << "0";
    QTest::newRow("not hex") << "#GGGGGG" << "";
    QTest::newRow("blank inside") << "#80 080" << "";
    QTest::newRow("only hashes") << "######" << "";
    QTest::newRow("long text keeps the last six") << QString(100000, QLatin1Char('Z')) + "#12AB34" << "3451666";
    QTest::newRow("fullwidth digits") << QStringLiteral("#１２３４５６") << "";
    QTest::newRow("accented") << QStringLiteral("#ÀÉÎ000") << "";
}

void TestColourValues::htmlToLongTextSurvivesMalformedText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(HtmlToLongText(text), expected);
}

void TestColourValues::paletteBitmapLayoutAndContent()
{
    PaletteBitmap bmp;
    bmp.InitPaletteBitmap(101, 101);
    const auto& hdr = bmp.header();
    const auto le32 = [&](int at) {
        return static_cast<std::int32_t>(hdr[at] | hdr[at + 1] << 8 | hdr[at + 2] << 16 | static_cast<std::uint32_t>(hdr[at + 3]) << 24);
    };
    QCOMPARE(le32(0), 40);
    QCOMPARE(le32(4), 101);
    QCOMPARE(le32(8), -101);
    QCOMPARE(hdr[12] | hdr[13] << 8, 1);
    QCOMPARE(hdr[14] | hdr[15] << 8, 32);
    for (int at = 16; at < 40; at += 4)
        QCOMPARE(le32(at), 0);
    QCOMPARE(bmp.bits().size(), std::size_t(40804));

    bmp.Fill(0.0f);
    for (int i = 0; i <= 100; ++i) {
        QCOMPARE(bmp.pixel(i, 0), 0xFFFFFFu);                       // top row white
        QCOMPARE(bmp.pixel(i, 100), 0u);                            // bottom row black
        std::int32_t grey, g2, g3;
        HslToRgb(0, 0, static_cast<float>((100 - i) / 100.0), grey, g2, g3);
        QCOMPARE(bmp.pixel(100, i), static_cast<std::uint32_t>(grey * 0x010101)); // right column grey
    }
    QCOMPARE(bmp.pixel(100, 50), 0x808080u);
    QCOMPARE(bmp.pixel(0, 50), 0xFF0000u);  // pure hue, stored B, G, R, 0
    QCOMPARE(bmp.pixel(50, 50), 0xBF4040u); // (191, 64, 64)
    QCOMPARE(bmp.pixel(0, 25), 0xFF8080u);  // (255, 128, 128)
    QCOMPARE(bmp.pixel(25, 75), 0x701010u); // (112, 16, 16)
    const std::uint8_t* p = &bmp.bits()[4 * 0 + 404 * 50];
    QCOMPARE(int(p[0]), 0);
    QCOMPARE(int(p[2]), 255);
    QCOMPARE(int(p[3]), 0);
}

QTEST_GUILESS_MAIN(TestColourValues)
#include "tst_mCPUtils.moc"
