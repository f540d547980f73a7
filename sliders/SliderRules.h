#pragma once

#include <QString>
#include <cstdint>

// Channel rules of the RGB sliders. Pure functions, no display.
namespace SliderRules {

struct Channels {
    int red = 0, green = 0, blue = 0;
};

// red = c mod 256, green = (c div 256) mod 256, blue = (c div 65536) mod 256,
// truncating: so the unreadable pixel -1 gives red -1, green 0, blue 0.
Channels ChannelsOf(std::int32_t c);

// Nearest of the six web-safe levels 0, 51, 102, 153, 204, 255; anything
// outside 0..255 gives 0.
int WebSafeLevel(int v);

// The grey the greyscale style takes for a colour: 0.3 r + 0.59 g + 0.11 b
// with its own rounding, and the sums 54, 103, 205 pulled onto web-safe greys.
int GreyLevel(int r, int g, int b);

// "#RRGGBB" from three channel values, each at least two upper-case digits.
QString HtmlOfChannels(int r, int g, int b);

// The decimal number a box's text starts with (after blanks, with an optional
// sign), 0 when there is none; saturates instead of overflowing.
int LeadingNumber(const QString& text);
// True when text is one or more ASCII digits and nothing else.
bool IsPlainDigits(const QString& text);

// Whether a key's text may reach an entry box: digits, Backspace, control
// characters such as Delete's 0x7F, and no text at all; any other printable
// character is refused.
bool IsAcceptedKeyText(const QString& text);
// How far a key steps an entry box's value: Up/Down 1, Page Up/Down 16, any
// other key 0. Takes a Qt::Key.
int ArrowStep(int key);

// Component i of an n-step gradient from s to e, rounded half to even.
int GradientComponent(int s, int e, int i, int n);

// A web-safe drag position: the ramp position p (pixels from the left end)
// pulled to 0, 20, 40, 61, 81 or 101.
int WebSafeSnap(double p);

} // namespace SliderRules
