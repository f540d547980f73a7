// Colour values, checked against independent references: textbook HSL,
// the WCAG formula written out again, matrices worked out separately.
#include "colour/ColourForms.h"
#include "colour/ColourSpaces.h"
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
            {"RGB(1,2,3)", false, int(RGB(1, 2, 3))},     {"rgb(256, 0, 0)", false, 0xFF}, // clamped, as CSS does
            {"&HFF8000", false, 0x00FF8000},             {"16777215", true, 16777215},
            {"16777216", true, -1},                      {"#12345", false, -1}, {"-5", true, -1},
            {"&h12&", false, 0x12},                      {"rgb( 1 , 2 , 3 )", false, int(RGB(1, 2, 3))},
            {"12345", false, 12345},                     {"0f8", false, -1}, {"#1 2", false, -1}, {"&H1234567", false, -1}};
        for (const auto& [text, inLong, expected] : rows) {
            const auto got = ColourText::Parse(text, inLong ? ColourText::Prefer::Long : ColourText::Prefer::Html);
            QCOMPARE(got ? int(*got) : -1, expected);
        }
    }

    void colourFormsAgainstPublishedValues()
    {
        // Ottosson's reference pairs, XYZ (D65) to OKLab, to his three decimals.
        const std::pair<ColourSpaces::Triple, ColourSpaces::Triple> ok[] = {{{0.950, 1.000, 1.089}, {1.000, 0.000, 0.000}},
                                                                            {{1.000, 0.000, 0.000}, {0.450, 1.236, -0.019}},
                                                                            {{0.000, 1.000, 0.000}, {0.922, -0.671, 0.263}},
                                                                            {{0.000, 0.000, 1.000}, {0.153, -1.415, -0.449}}};
        for (const auto& [xyz, lab] : ok) {
            const auto got = ColourSpaces::OklabOfRgb(ColourSpaces::RgbOfXyz(xyz));
            for (int i = 0; i < 3; ++i)
                QVERIFY2(std::abs(got[size_t(i)] - lab[size_t(i)]) < 0.0011, qPrintable(QString::number(got[size_t(i)])));
        }
        // CSS Color 4's worked values: the text reads as the colour, and what
        // is printed stands within the printed precision of each number.
        const std::tuple<const char*, unsigned, const char*> rows[] = {
            {"lab", 0xFF0000, "lab(54.29 80.8 69.89)"},     {"lch", 0xFF0000, "lch(54.29 106.84 40.86)"},
            {"oklab", 0xFF0000, "oklab(62.8% 0.2249 0.1258)"}, {"oklch", 0xFF0000, "oklch(62.8% 0.2577 29.23)"},
            {"oklch", 0x008000, "oklch(51.98% 0.1769 142.5)"}, {"hsl", 0x336699, "hsl(210 50% 40%)"},
            {"hwb", 0x336699, "hwb(210 20% 40%)"},             {"hsv", 0x336699, "hsv(210, 66.67%, 60%)"},
            {"cmyk", 0x336699, "cmyk(66.67%, 33.33%, 0%, 40%)"}, {"float", 0x336699, "0.2, 0.4, 0.6"},
            {"rgb", 0xFF0000, "rgb(255 0 0)"},                 {"name", 0x663399, "rebeccapurple"}};
        // Each number with half a step of its last digit.
        static const QRegularExpression number(QStringLiteral("-?[0-9]+(\\.[0-9]+)?"));
        const auto numbers = [](const QString& text) {
            QList<std::pair<double, double>> out;
            for (const auto& m : number.globalMatch(text))
                out.append({m.captured().toDouble(), 0.5 * std::pow(10.0, -m.captured(1).size() + (m.captured(1).isEmpty() ? 0 : 1))});
            return out;
        };
        for (const auto& [form, rrggbb, text] : rows) {
            QCOMPARE(ColourText::Parse(QLatin1String(text)), std::optional<OLE_COLOR>(hex(rrggbb)));
            const QString printed = ColourForms::Format(QString::fromLatin1(form), hex(rrggbb));
            const auto want = numbers(QLatin1String(text)), got = numbers(printed);
            QVERIFY2(want.size() == got.size() && printed.section('(', 0, 0) == QString(QLatin1String(text)).section('(', 0, 0),
                     qPrintable(printed));
            for (qsizetype i = 0; i < want.size(); ++i)
                QVERIFY2(std::abs(got[i].first - want[i].first) <= got[i].second + want[i].second, qPrintable(printed));
        }
        QCOMPARE(ColourForms::Format(QStringLiteral("oklch"), hex(0xFF0000)), QStringLiteral("oklch(62.8% 0.2577 29.23)"));
        QCOMPARE(ColourForms::Format(QStringLiteral("hsl"), hex(0x336699)), QStringLiteral("hsl(210 50% 40%)"));
        QCOMPARE(ColourForms::Format(QStringLiteral("float"), hex(0x336699)), QStringLiteral("0.2, 0.4, 0.6"));
        QCOMPARE(ColourForms::Format(QStringLiteral("name"), hex(0xFF6348)), QStringLiteral("~tomato"));
        QCOMPARE(ColourForms::Format(QStringLiteral("name"), hex(0x00FFFF)), QStringLiteral("aqua"));
        QCOMPARE(ColourForms::Format(QStringLiteral("oklch"), grey(128)).section(' ', 1), QStringLiteral("0 0)")); // a grey has no hue
        QCOMPARE(ColourForms::Format(QStringLiteral("nonsense"), 0), QString());
        // Outside sRGB: chroma reduced in OKLCH until the clipped colour lies
        // within a just noticeable difference (0.02) of the line of the same
        // lightness and hue; a clip per channel lands far off it.
        const auto offLine = [](const ColourSpaces::Triple& rgb, const ColourSpaces::Triple& origin) {
            const auto lab = ColourSpaces::OklabOfRgb(rgb), lch = ColourSpaces::PolarOf(origin);
            const double h = lch[2] * M_PI / 180, across = lab[1] * std::sin(h) - lab[2] * std::cos(h);
            return std::hypot(lab[0] - lch[0], across);
        };
        const std::pair<const char*, ColourSpaces::Triple> outside[] = {
            {"oklch(70% 0.4 150)", ColourSpaces::CartesianOf({0.70, 0.4, 150})},
            {"oklch(90% 0.3 300)", ColourSpaces::CartesianOf({0.90, 0.3, 300})},
            {"lab(50 120 0)", ColourSpaces::OklabOfRgb(ColourSpaces::RgbOfLab({50, 120, 0}))}};
        for (const auto& [text, origin] : outside) {
            const auto rgb = ColourSpaces::RgbOfOklab(origin);
            const ColourSpaces::Triple clipped{std::clamp(rgb[0], 0.0, 1.0), std::clamp(rgb[1], 0.0, 1.0), std::clamp(rgb[2], 0.0, 1.0)};
            const OLE_COLOR mapped = *ColourText::Parse(QLatin1String(text));
            QVERIFY2(offLine(ColourSpaces::RgbOf(mapped), origin) < 0.022 && offLine(clipped, origin) > 0.03, text);
        }
    }

    void readingRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("colour"); // 0xRRGGBB, or -1: refused
        const std::pair<const char*, int> rows[] = {
            {"rgb(255 128 0)", 0xFF8000},          {"rgb(255, 128, 0)", 0xFF8000},     {"rgba(255, 128, 0, 1)", 0xFF8000},
            {"rgb(100% 50% 0%)", 0xFF8000},        {"RGB( 255   128  0 )", 0xFF8000},  {"rgb(255 128 0 / 100%)", 0xFF8000},
            {"hsl(120, 100%, 25%)", 0x008000},     {"hsl(120deg 100% 25%)", 0x008000}, {"hsl(0.3333333turn 100% 25%)", 0x008000},
            {"hsl(133.3333333grad 100% 25%)", 0x008000}, {"hsl(2.0943951rad 100% 25%)", 0x008000}, {"hsla(120, 100%, 25%, 1)", 0x008000},
            {"hsl(none 0% 50%)", 0x808080},        {"hwb(0 0% 0%)", 0xFF0000},         {"hwb(90 60% 60%)", 0x808080},
            {"#0f8", 0x00FF88},                    {"#00FF88", 0x00FF88},              {"00ff88", 0x00FF88},
            {"0x00FF88", 0x00FF88},                {"#00FF88FF", 0x00FF88},            {"#0F8F", 0x00FF88},
            {"TOMATO", 0xFF6347},                  {"  rebeccapurple ", 0x663399},     {"&H8800FF", 0xFF0088},
            {"255", 0xFF0000},                     {"hsv(210, 66.67%, 60%)", 0x336699}, {"hsb(210 66.67 60)", 0x336699},
            {"cmyk(0%, 100%, 100%, 0%)", 0xFF0000}, {"device-cmyk(0 1 1 0)", 0xFF0000}, {"1, 0, 0", 0xFF0000},
            {"0.2 0.4 0.6", 0x336699},             {"vec3(0.2, 0.4, 0.6)", 0x336699}, {"lab(100% 0 0)", 0xFFFFFF},
            {"oklab(0.628 0.2249 0.1258)", 0xFF0000}, {"oklch(100% 0 0)", 0xFFFFFF}, {"rgb(0 0 0 / 50%)", -1},
            {"rgba(0, 0, 0, 0.5)", -1},            {"#11223380", -1},                  {"#1238", -1},
            {"transparent", -1},                   {"~tomato", -1},                    {"rgb(255 128)", -1},
            {"rgb(255, 128 0)", -1},               {"rgb(255 128 0) x", -1},           {"hsl(120% 50% 50%)", -1},
            {"rgb(1deg 0 0)", -1},                 {"255, 0, 0", -1},                  {"lab(50 20)", -1},
            {"frobnicate(1 2 3)", -1},             {"rgb(1e999 0 0)", -1},             {"", -1}};
        for (const auto& [text, colour] : rows)
            QTest::newRow(text) << QString::fromLatin1(text) << colour;
    }

    void readingRules()
    {
        QFETCH(QString, text);
        QFETCH(int, colour);
        const auto got = ColourText::Parse(text);
        QCOMPARE(got ? int(*got) : -1, colour < 0 ? -1 : int(hex(unsigned(colour))));
    }

    void everyFormGoesThereAndBackOnASample()
    {
        // Greys, the cube's corners and edges, and a seeded random set; the
        // whole cube is swept by bench/sweep_forms.
        QList<OLE_COLOR> sample;
        for (int g = 0; g < 256; ++g)
            sample << grey(g);
        for (int i = 0; i < 256; i += 3)
            for (int edge = 0; edge < 12; ++edge) {
                const int axis = edge / 4, a = (edge & 1) * 255, b = (edge & 2) / 2 * 255;
                const int c[3] = {axis == 0 ? i : a, axis == 1 ? i : (axis == 0 ? a : b), axis == 2 ? i : b};
                sample << RGB(c[0], c[1], c[2]);
            }
        QRandomGenerator random(20261207);
        for (int i = 0; i < 1500; ++i)
            sample << OLE_COLOR(random.bounded(0x1000000));
        for (const ColourForms::Form& form : ColourForms::All()) {
            const auto prefer = form.id == QLatin1String("long") ? ColourText::Prefer::Long : ColourText::Prefer::Html;
            for (OLE_COLOR c : sample) {
                const QString text = ColourForms::Format(form.id, c);
                if (form.id == QLatin1String("name") && text.startsWith('~'))
                    continue;
                const auto back = ColourText::Parse(text, prefer);
                if (!back || *back != c)
                    QFAIL(qPrintable(QString("%1: %2 -> %3").arg(form.id).arg(c, 6, 16, QChar('0')).arg(text)));
            }
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
        QVERIFY(!Contrast::GradesOf(4.499).aaNormal && !Contrast::GradesOf(4.499).aaaLarge && Contrast::GradesOf(4.499).aaLarge);
        QCOMPARE(Contrast::BestGrade(7.0), QStringLiteral("AAA")); // each grade from exactly its threshold
        QCOMPARE(Contrast::BestGrade(6.999), QStringLiteral("AA"));
        QCOMPARE(Contrast::BestGrade(4.5), QStringLiteral("AA"));
        QCOMPARE(Contrast::BestGrade(4.499), QStringLiteral("AA Large"));
        QCOMPARE(Contrast::BestGrade(3.0), QStringLiteral("AA Large"));
        QCOMPARE(Contrast::BestGrade(2.999), QStringLiteral("Fail"));
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
