// Colour values, checked against independent references: textbook HSL,
// the WCAG formula written out again, matrices worked out separately.
#include "colour/ColourText.h"
#include "colour/Contrast.h"
#include "colour/PaletteBitmap.h"
#include "colour/VisionSimulation.h"
#include "colour/mCPUtils.h"

#include <QtTest>
#include <cmath>
#include <cstring>

using namespace mCPUtils;

// Textbook HSL, the hue in degrees, in double precision.
static void referenceHsl(double degrees, double s, double l, double rgb[3])
{
    const double c = (1 - std::abs(2 * l - 1)) * s, hp = std::fmod(degrees + 360.0, 360.0) / 60.0;
    const double x = c * (1 - std::abs(std::fmod(hp, 2.0) - 1)), m = l - c / 2;
    const double table[6][3] = {{c, x, 0}, {x, c, 0}, {0, c, x}, {0, x, c}, {x, 0, c}, {c, 0, x}};
    for (int k = 0; k < 3; ++k)
        rgb[k] = (table[std::min(5, int(hp))][k] + m) * 255;
}

// The WCAG ratio of two greys, written out again.
static double referenceRatio(int grey, int other)
{
    const auto lin = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double a = lin(grey), b = lin(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
static OLE_COLOR grey(int g) { return RGB(g, g, g); }
static OLE_COLOR hex(unsigned h) { return RGB(int(h >> 16), int((h >> 8) & 255), int(h & 255)); }

class TestColour : public QObject {
    Q_OBJECT
private slots:
    void roundingAndHsl()
    {
        const std::pair<double, int> ties[] = {{127.5, 128}, {128.5, 128}, {131.9, 132}, {-0.5, 0}, {-1.5, -2},
                                               {0.49999999999999994, 0}, {2147483646.5, 2147483646}};
        for (const auto& [x, rounded] : ties)
            QCOMPARE(RoundHalfEven(x), rounded);
        // h in sextants, s, l; then r, g, b.
        const float known[][6] = {{-0.95f, 1, 0.5f, 255, 0, 242}, {2.3f, 0, 0.5f, 128, 128, 128}, {4.2f, 0.7f, 1, 255, 255, 255},
                                  {0, 0.5f, 0.5f, 191, 64, 64},   {0, 1, 0.75f, 255, 128, 128},  {0, 0.75f, 0.25f, 112, 16, 16}};
        for (const auto& k : known) {
            std::int32_t rgb[3];
            HslToRgb(k[0], k[1], k[2], rgb[0], rgb[1], rgb[2]);
            QCOMPARE(QList<int>({rgb[0], rgb[1], rgb[2]}), QList<int>({int(k[3]), int(k[4]), int(k[5])}));
        }
        for (int row = 0; row < 100; ++row) // the bar's row <-> hue mapping, both ways
            QCOMPARE(RoundHalfEven(RowOfHue(HueOfRow(row))), row);
        QCOMPARE(HueOfRow(100), 0.0f); // red again at the foot of the bar
        QCOMPARE(HueOfRow(50), 3.0f); // 120 of 240: cyan, halfway down
        QCOMPARE(HueOfNumber(200), 5.0f); // the last hue number before the bar's hues run negative
        QCOMPARE(HueOfNumber(202), -0.95f);
        for (int n = 0; n <= 240; ++n) // every hue number of the bar, against the textbook
            for (int si = 0; si <= 100; si += 5)
                for (int li = 0; li <= 100; li += 5) {
                    std::int32_t rgb[3];
                    HslToRgb(HueOfNumber(n), float(si / 100.0), float(li / 100.0), rgb[0], rgb[1], rgb[2]);
                    double ref[3];
                    referenceHsl(n * 1.5, float(si / 100.0), float(li / 100.0), ref);
                    for (int c = 0; c < 3; ++c)
                        if (std::abs(rgb[c] - ref[c]) > 1.0)
                            QFAIL(qPrintable(QString("hue %1 s %2 l %3: %4 against %5").arg(n).arg(si).arg(li).arg(rgb[c]).arg(ref[c])));
                }
    }

    void textForms()
    {
        const std::tuple<int, QString, QString, QString> forms[] = {{0x00336699, "&H336699", "3368601", "#996633"},
                                                                    {0, "&H0", "0", "#000000"},
                                                                    {0x00FF0000, "&HFF0000", "16711680", "#0000FF"}};
        for (const auto& [v, hexText, longText, html] : forms)
            QVERIFY(ToHexText(v) == hexText && ToLongText(v) == longText && ToHtmlText(v) == html);
        const std::pair<QString, QString> html[] = {{"#ff0000", "255"}, {"0000FF", "16711680"}, {"", "0"}, {"#", "0"},
                                                    {"#GGGGGG", ""}, {"#80 080", ""}, {"######", ""},
                                                    {QString(100000, 'Z') + "#12AB34", "3451666"}, {QStringLiteral("#１２３４５６"), ""}};
        for (const auto& [text, expected] : html)
            QCOMPARE(HtmlToLongText(text), expected);
    }

    void typedColourForms()
    {
        const std::tuple<QString, bool, int> rows[] = { // text, in the LONG box, colour or -1
            {"#0F8", false, int(RGB(0, 0xFF, 0x88))},    {"  #00ff80 ", false, int(RGB(0, 0xFF, 0x80))},
            {"123456", false, int(RGB(0x12, 0x34, 0x56))}, {"123456", true, 123456},
            {"RGB(1,2,3)", false, int(RGB(1, 2, 3))},     {"rgb(256, 0, 0)", false, -1},
            {"&HFF8000", false, 0x00FF8000},             {"16777215", true, 16777215},
            {"16777216", true, -1},                      {"#12345", false, -1}, {"-5", true, -1},
            {"&h12&", false, 0x12},                      {"rgb( 1 , 2 , 3 )", false, int(RGB(1, 2, 3))},
            {"12345", false, 12345},                     {"0f8", false, -1}, {"#1 2", false, -1}, {"&H1234567", false, -1}};
        for (const auto& [text, inLong, expected] : rows) {
            const auto got = ColourText::Parse(text, inLong ? ColourText::Prefer::Long : ColourText::Prefer::Html);
            QCOMPARE(got ? int(*got) : -1, expected);
        }
    }

    void paletteFillGivesHslToRgbForEveryPixelAndHue()
    {
        PaletteBitmap bmp; // stored as the bytes B, G, R, 0
        bmp.InitPaletteBitmap(101, 101);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(bmp.header().data()), 16).toHex(), QByteArray("28000000650000009bffffff01002000"));
        for (int n = 0; n <= 240; ++n) {
            bmp.Fill(HueOfNumber(n));
            for (int y = 0; y <= 100; ++y)
                for (int x = 0; x <= 100; ++x) {
                    std::int32_t rgb[3];
                    HslToRgb(HueOfNumber(n), float((100 - x) / 100.0), float((100 - y) / 100.0), rgb[0], rgb[1], rgb[2]);
                    if (std::memcmp(&bmp.bits()[size_t(4 * (x + 101 * y))], std::array<std::uint8_t, 4>{std::uint8_t(rgb[2]), std::uint8_t(rgb[1]), std::uint8_t(rgb[0]), 0}.data(), 4))
                        QFAIL(qPrintable(QString("hue %1 at %2, %3").arg(n).arg(x).arg(y)));
                }
        }
    }

    void contrastAgainstPublishedPairsAndEveryGrey()
    {
        const std::tuple<OLE_COLOR, OLE_COLOR, QString, QString> pairs[] = {
            {grey(0), grey(255), "21.00:1", "AAA"},         {grey(255), grey(0), "21.00:1", "AAA"},
            {grey(0x77), grey(255), "4.47:1", "AA Large"}, {grey(0x76), grey(255), "4.54:1", "AA"},
            {0x00336699, 0x00336699, "1.00:1", "Fail"}};
        for (const auto& [fore, back, shown, best] : pairs) {
            const double r = Contrast::Ratio(fore, back);
            QVERIFY(Contrast::FormatRatio(r) == shown && Contrast::BestGrade(r) == best);
        }
        // What is shown is the true ratio cut (not rounded) to hundredths, and
        // a grade passes exactly when the ratio reaches it.
        for (int other : {0, 255})
            for (int g = 0; g < 256; ++g) {
                const double truth = referenceRatio(g, other), r = Contrast::Ratio(grey(g), grey(other));
                const long cut = static_cast<long>(truth * 100.0);
                QCOMPARE(Contrast::FormatRatio(r), QString("%1.%2:1").arg(cut / 100).arg(cut % 100, 2, 10, QLatin1Char('0')));
                const Contrast::Grades grades = Contrast::GradesOf(r);
                QVERIFY(grades.aaNormal == (truth >= 4.5) && grades.aaLarge == (truth >= 3.0) && grades.aaaNormal == (truth >= 7.0));
            }
        QVERIFY(Contrast::GradesOf(4.5).aaNormal && Contrast::GradesOf(4.5).aaaLarge); // exactly on a threshold
        QVERIFY(Contrast::GradesOf(3.0).aaLarge && Contrast::GradesOf(7.0).aaaNormal);
        QVERIFY(!Contrast::GradesOf(2.999).aaLarge && !Contrast::GradesOf(6.999).aaaNormal);
        QVERIFY(Contrast::GradeTable(4.47).contains("AA normal text (4.5:1): fail"));
    }

    void visionSimulations()
    {
        const OLE_COLOR inputs[] = {hex(0xFF0000), hex(0x00FF00), hex(0x0000FF), hex(0x336699), hex(0xFFCC00)};
        // Worked out separately from the published matrices.
        const std::pair<VisionSimulation::Kind, std::array<unsigned, 5>> rows[] = {
            {VisionSimulation::Protanopia, {0x6D5F00, 0xFFE500, 0x0059FF, 0x50699B, 0xE6CA00}},
            {VisionSimulation::Deuteranopia, {0xA39000, 0xEFD63A, 0x003DFB, 0x425F98, 0xF2D820}},
            {VisionSimulation::Tritanopia, {0xFF000F, 0x00F7D9, 0x006B96, 0x007278, 0xFFB9AE}},
            {VisionSimulation::Achromatopsia, {0x7F7F7F, 0xDCDCDC, 0x4C4C4C, 0x636363, 0xD2D2D2}},
            {VisionSimulation::Normal, {0xFF0000, 0x00FF00, 0x0000FF, 0x336699, 0xFFCC00}}};
        for (const auto& [kind, expected] : rows) {
            for (int i = 0; i < 5; ++i)
                QCOMPARE(VisionSimulation::Simulate(inputs[i], kind), hex(expected[size_t(i)]));
            for (int g = 0; g < 256; g += 5) { // greys stay grey, within a step of rounding
                const OLE_COLOR s = VisionSimulation::Simulate(grey(g), kind);
                QVERIFY(std::abs(RedOf(s) - g) <= 1 && RedOf(s) == GreenOf(s) && GreenOf(s) == BlueOf(s));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestColour)
#include "tst_Colour.moc"
