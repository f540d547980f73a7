#include "colour/ColourSpaces.h"

#include <algorithm>
#include <cmath>

namespace ColourSpaces {

namespace {

using Matrix = std::array<Triple, 3>;

Triple times(const Matrix& m, const Triple& v)
{
    Triple out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return out;
}

// CSS Color 4's matrices: linear sRGB <-> XYZ D65, and Bradford's D65 <-> D50.
constexpr Matrix RgbToXyz{{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                           {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                           {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
constexpr Matrix XyzToRgb{{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                           {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                           {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
constexpr Matrix D65ToD50{{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                           {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                           {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
constexpr Matrix D50ToD65{{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                           {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                           {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
constexpr Triple D50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

// Ottosson's OKLab: linear sRGB <-> LMS, and the cube roots of LMS <-> Lab.
constexpr Matrix RgbToLms{{{0.4122214708, 0.5363325363, 0.0514459929},
                           {0.2119034982, 0.6806995451, 0.1073969566},
                           {0.0883024619, 0.2817188376, 0.6299787005}}};
constexpr Matrix LmsToOklab{{{0.2104542553, 0.7936177850, -0.0040720468},
                             {1.9779984951, -2.4285922050, 0.4505937099},
                             {0.0259040371, 0.7827717662, -0.8086757660}}};
constexpr Matrix OklabToLms{{{1.0, 0.3963377774, 0.2158037573},
                             {1.0, -0.1055613458, -0.0638541728},
                             {1.0, -0.0894841775, -1.2914855480}}};
constexpr Matrix LmsToRgb{{{4.0767416621, -3.3077115913, 0.2309699292},
                           {-1.2684380046, 2.6097574011, -0.3413193965},
                           {-0.0041960863, -0.7034186147, 1.7076147010}}};

constexpr double LabEpsilon = 216.0 / 24389;
constexpr double LabKappa = 24389.0 / 27;
// How far outside 0..1 a component may lie and still count as in gamut:
// what the round trip through another space leaves of an sRGB colour.
constexpr double GamutTolerance = 1e-6;

double linear(double c)
{
    const double a = std::abs(c);
    return a <= 0.04045 ? c / 12.92 : std::copysign(std::pow((a + 0.055) / 1.055, 2.4), c);
}

double encoded(double c)
{
    const double a = std::abs(c);
    return a <= 0.0031308 ? c * 12.92 : std::copysign(1.055 * std::pow(a, 1 / 2.4) - 0.055, c);
}

Triple linearOf(const Triple& rgb)
{
    return {linear(rgb[0]), linear(rgb[1]), linear(rgb[2])};
}

Triple encodedOf(const Triple& lin)
{
    return {encoded(lin[0]), encoded(lin[1]), encoded(lin[2])};
}

double hueOf(double y, double x)
{
    const double h = std::atan2(y, x) * 180 / M_PI;
    return h < 0 ? h + 360 : h;
}

// Hue, and the largest and smallest channel, shared by HSL, HWB and HSV.
struct HueParts {
    double hue, max, min;
};

HueParts hueParts(const Triple& rgb)
{
    const auto [r, g, b] = rgb;
    const double max = std::max({r, g, b}), min = std::min({r, g, b}), d = max - min;
    double h = 0;
    if (d > 0) {
        if (max == r)
            h = (g - b) / d + (g < b ? 6 : 0);
        else if (max == g)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
    }
    return {h * 60, max, min};
}

// CSS Color 4's hsl-to-rgb: n = 0, 8, 4 give red, green, blue.
Triple hslToRgb(double hue, double s, double l)
{
    hue = std::fmod(hue, 360.0);
    if (hue < 0)
        hue += 360;
    const auto f = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0), a = s * std::min(l, 1 - l);
        return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

Triple clip(const Triple& rgb)
{
    return {std::clamp(rgb[0], 0.0, 1.0), std::clamp(rgb[1], 0.0, 1.0), std::clamp(rgb[2], 0.0, 1.0)};
}

// CSS Color 4, binary search gamut mapping with local MINDE, into sRGB.
Triple gamutMap(const Triple& rgb)
{
    constexpr double Jnd = 0.02, Epsilon = 0.0001;
    const Triple origin = PolarOf(OklabOfRgb(rgb));
    if (origin[0] >= 1)
        return {1, 1, 1};
    if (origin[0] <= 0)
        return {0, 0, 0};
    Triple current = origin;
    const auto clippedOf = [](const Triple& lch) { return clip(RgbOfOklab(CartesianOf(lch))); };
    const auto distance = [](const Triple& clipped, const Triple& lch) {
        return DeltaEOk(OklabOfRgb(clipped), CartesianOf(lch));
    };
    Triple clipped = clippedOf(current);
    if (distance(clipped, current) < Jnd)
        return clipped;
    double min = 0, max = origin[1];
    bool minInGamut = true;
    while (max - min > Epsilon) {
        current[1] = (min + max) / 2;
        if (minInGamut && InGamut(RgbOfOklab(CartesianOf(current)))) {
            min = current[1];
            continue;
        }
        clipped = clippedOf(current);
        const double e = distance(clipped, current);
        if (e < Jnd) {
            if (Jnd - e < Epsilon)
                return clipped;
            minInGamut = false;
            min = current[1];
        } else {
            max = current[1];
        }
    }
    return clipped;
}

} // namespace

Triple RgbOf(OLE_COLOR c)
{
    return {RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0};
}

bool InGamut(const Triple& rgb)
{
    return std::all_of(rgb.begin(), rgb.end(), [](double v) { return v >= -GamutTolerance && v <= 1 + GamutTolerance; });
}

OLE_COLOR ToColour(const Triple& rgb)
{
    if (!std::all_of(rgb.begin(), rgb.end(), [](double v) { return std::isfinite(v); }))
        return 0;
    const Triple in = clip(InGamut(rgb) ? rgb : gamutMap(rgb));
    const auto byte = [](double v) { return static_cast<int>(std::lround(v * 255)); };
    return RGB(byte(in[0]), byte(in[1]), byte(in[2]));
}

Triple XyzOfRgb(const Triple& rgb)
{
    return times(RgbToXyz, linearOf(rgb));
}

Triple RgbOfXyz(const Triple& xyz)
{
    return encodedOf(times(XyzToRgb, xyz));
}

Triple LabOfRgb(const Triple& rgb)
{
    const Triple xyz = times(D65ToD50, XyzOfRgb(rgb));
    Triple f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double v = xyz[i] / D50White[i];
        f[i] = v > LabEpsilon ? std::cbrt(v) : (LabKappa * v + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Triple RgbOfLab(const Triple& lab)
{
    const double f1 = (lab[0] + 16) / 116, f0 = lab[1] / 500 + f1, f2 = f1 - lab[2] / 200;
    const auto inverse = [](double f) { return f * f * f > LabEpsilon ? f * f * f : (116 * f - 16) / LabKappa; };
    const double y = lab[0] > LabKappa * LabEpsilon ? f1 * f1 * f1 : lab[0] / LabKappa;
    const Triple xyz{inverse(f0) * D50White[0], y * D50White[1], inverse(f2) * D50White[2]};
    return RgbOfXyz(times(D50ToD65, xyz));
}

Triple OklabOfRgb(const Triple& rgb)
{
    Triple lms = times(RgbToLms, linearOf(rgb));
    for (double& v : lms)
        v = std::cbrt(v);
    return times(LmsToOklab, lms);
}

Triple RgbOfOklab(const Triple& oklab)
{
    Triple lms = times(OklabToLms, oklab);
    for (double& v : lms)
        v = v * v * v;
    return encodedOf(times(LmsToRgb, lms));
}

Triple PolarOf(const Triple& lab)
{
    const double chroma = std::hypot(lab[1], lab[2]);
    return {lab[0], chroma, chroma == 0 ? 0 : hueOf(lab[2], lab[1])};
}

Triple CartesianOf(const Triple& lch)
{
    const double h = lch[2] * M_PI / 180;
    return {lch[0], lch[1] * std::cos(h), lch[1] * std::sin(h)};
}

Triple HslOfRgb(const Triple& rgb)
{
    const auto [hue, max, min] = hueParts(rgb);
    const double l = (max + min) / 2, d = max - min;
    const double s = (l == 0 || l == 1) ? 0 : d / (1 - std::abs(2 * l - 1));
    return {hue, s, l};
}

Triple RgbOfHsl(const Triple& hsl)
{
    return hslToRgb(hsl[0], hsl[1], hsl[2]);
}

Triple HwbOfRgb(const Triple& rgb)
{
    const auto [hue, max, min] = hueParts(rgb);
    return {hue, min, 1 - max};
}

Triple RgbOfHwb(const Triple& hwb)
{
    double w = hwb[1], b = hwb[2];
    if (w + b >= 1) { // a grey, as CSS reads it
        const double grey = w / (w + b);
        return {grey, grey, grey};
    }
    Triple rgb = hslToRgb(hwb[0], 1, 0.5);
    for (double& c : rgb)
        c = c * (1 - w - b) + w;
    return rgb;
}

Triple HsvOfRgb(const Triple& rgb)
{
    const auto [hue, max, min] = hueParts(rgb);
    return {hue, max == 0 ? 0 : (max - min) / max, max};
}

Triple RgbOfHsv(const Triple& hsv)
{
    // HSV's whiteness and blackness, as HWB has them.
    const double v = hsv[2], s = hsv[1];
    return RgbOfHwb({hsv[0], (1 - s) * v, 1 - v});
}

std::array<double, 4> CmykOfRgb(const Triple& rgb)
{
    const double k = 1 - std::max({rgb[0], rgb[1], rgb[2]});
    if (k >= 1)
        return {0, 0, 0, 1};
    return {(1 - rgb[0] - k) / (1 - k), (1 - rgb[1] - k) / (1 - k), (1 - rgb[2] - k) / (1 - k), k};
}

Triple RgbOfCmyk(const std::array<double, 4>& cmyk)
{
    const double k = cmyk[3];
    return {(1 - cmyk[0]) * (1 - k), (1 - cmyk[1]) * (1 - k), (1 - cmyk[2]) * (1 - k)};
}

double DeltaEOk(const Triple& a, const Triple& b)
{
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

} // namespace ColourSpaces
