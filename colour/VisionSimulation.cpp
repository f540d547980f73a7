#include "colour/VisionSimulation.h"

#include "colour/Contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace VisionSimulation {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Rows applied to linear (R, G, B) column vectors.
constexpr Matrix Protan{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deutan{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Tritan{{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};
constexpr Matrix Grey{{{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}};

const Matrix* matrixOf(Kind kind)
{
    switch (kind) {
    case Protanopia:
        return &Protan;
    case Deuteranopia:
        return &Deutan;
    case Tritanopia:
        return &Tritan;
    case Achromatopsia:
        return &Grey;
    default:
        return nullptr;
    }
}

} // namespace

QString Name(Kind kind)
{
    static const char* names[KindCount] = {"Normal Vision", "Protanopia", "Deuteranopia", "Tritanopia", "Achromatopsia"};
    return QLatin1String(names[kind >= 0 && kind < KindCount ? kind : 0]);
}

int Encode(double linear)
{
    const double v = std::clamp(linear, 0.0, 1.0);
    const double s = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
    return std::clamp(static_cast<int>(std::lround(s * 255.0)), 0, 255);
}

OLE_COLOR Simulate(OLE_COLOR c, Kind kind)
{
    const Matrix* m = matrixOf(kind);
    if (!m)
        return LowRgbOf(c);
    const std::array<double, 3> in{Contrast::Linearise(RedOf(c)), Contrast::Linearise(GreenOf(c)), Contrast::Linearise(BlueOf(c))};
    std::array<int, 3> out{};
    for (std::size_t row = 0; row < 3; ++row)
        out[row] = Encode((*m)[row][0] * in[0] + (*m)[row][1] * in[1] + (*m)[row][2] * in[2]);
    return RGB(out[0], out[1], out[2]);
}

} // namespace VisionSimulation
