#include "zadad/ColorUtility.h"

#include <algorithm>
#include <cstdlib>

namespace {

int Clamp(int value, int low, int high) {
    return std::min(std::max(value, low), high);
}

// One channel of ChangeColorBright, c 0-255 and d a percentage.
int ChangeChannel(int c, int d) {
    if (c == 0 && d >= 0) return (d * 255 / 100) & 0xFF; // a black channel is raised to d percent
    int p = c * 100 / 255;
    p = Clamp(p + p * d / 100, 0, 100);
    return (p * 255 / 100) & 0xFF;
}

// Hue, luminance and saturation on the 0-240 scale of the system colour
// dialogs, with the integer rounding those use, so that a colour changed only
// in luminance keeps its hue exactly.
constexpr int HLSMAX = 240;
constexpr int RGBMAX = 255;

struct Hls {
    int h = 0;
    int l = 0;
    int s = 0;
};

Hls RgbToHls(int r, int g, int b) {
    const int cMax = std::max({r, g, b});
    const int cMin = std::min({r, g, b});
    Hls out;
    out.l = ((cMax + cMin) * HLSMAX + RGBMAX) / (2 * RGBMAX);
    if (cMax == cMin) {
        out.h = HLSMAX * 2 / 3; // undefined hue of a grey
        return out;
    }
    const int span = cMax - cMin;
    if (out.l <= HLSMAX / 2)
        out.s = (span * HLSMAX + (cMax + cMin) / 2) / (cMax + cMin);
    else
        out.s = (span * HLSMAX + (2 * RGBMAX - cMax - cMin) / 2) / (2 * RGBMAX - cMax - cMin);
    const int rDelta = ((cMax - r) * (HLSMAX / 6) + span / 2) / span;
    const int gDelta = ((cMax - g) * (HLSMAX / 6) + span / 2) / span;
    const int bDelta = ((cMax - b) * (HLSMAX / 6) + span / 2) / span;
    if (r == cMax)
        out.h = bDelta - gDelta;
    else if (g == cMax)
        out.h = HLSMAX / 3 + rDelta - bDelta;
    else
        out.h = 2 * HLSMAX / 3 + gDelta - rDelta;
    if (out.h < 0) out.h += HLSMAX;
    if (out.h > HLSMAX) out.h -= HLSMAX;
    return out;
}

int HueToRgb(int n1, int n2, int hue) {
    if (hue < 0) hue += HLSMAX;
    if (hue > HLSMAX) hue -= HLSMAX;
    if (hue < HLSMAX / 6) return n1 + ((n2 - n1) * hue + HLSMAX / 12) / (HLSMAX / 6);
    if (hue < HLSMAX / 2) return n2;
    if (hue < HLSMAX * 2 / 3)
        return n1 + ((n2 - n1) * (HLSMAX * 2 / 3 - hue) + HLSMAX / 12) / (HLSMAX / 6);
    return n1;
}

COLORREF HlsToRgb(const Hls& c) {
    if (c.s == 0) {
        const int grey = c.l * RGBMAX / HLSMAX;
        return RGB(grey, grey, grey);
    }
    const int magic2 = c.l <= HLSMAX / 2 ? (c.l * (HLSMAX + c.s) + HLSMAX / 2) / HLSMAX
                                         : c.l + c.s - (c.l * c.s + HLSMAX / 2) / HLSMAX;
    const int magic1 = 2 * c.l - magic2;
    auto channel = [&](int hue) {
        return Clamp((HueToRgb(magic1, magic2, hue) * RGBMAX + HLSMAX / 2) / HLSMAX, 0, 255);
    };
    return RGB(channel(c.h + HLSMAX / 3), channel(c.h), channel(c.h - HLSMAX / 3));
}

} // namespace

int CColorUtility::GetBrightness(COLORREF color) {
    return (30 * GetRValue(color) + 59 * GetGValue(color) + 11 * GetBValue(color)) / 255;
}

COLORREF CColorUtility::GetReverseColor(COLORREF background) {
    return GetBrightness(background) <= 60 ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

COLORREF CColorUtility::GetReadableColor(COLORREF text, COLORREF background) {
    const int contrast = std::abs(GetBrightness(text) - GetBrightness(background));
    return contrast >= kReadableContrast ? text : GetReverseColor(background);
}

COLORREF CColorUtility::ChangeColorBright(COLORREF color, int dRed, int dGreen, int dBlue) {
    return RGB(ChangeChannel(GetRValue(color), dRed), ChangeChannel(GetGValue(color), dGreen),
               ChangeChannel(GetBValue(color), dBlue));
}

COLORREF CColorUtility::AdjustColor(COLORREF color, int dRed, int dGreen, int dBlue) {
    auto direction = [](int channel, int d) { return channel * 100 / 255 > 50 ? -d : d; };
    return ChangeColorBright(color, direction(GetRValue(color), dRed),
                             direction(GetGValue(color), dGreen),
                             direction(GetBValue(color), dBlue));
}

COLORREF CColorUtility::GetMidColor(COLORREF a, COLORREF b, int percent) {
    auto mid = [percent](int ca, int cb) { return (ca + (cb - ca) * percent / 100) & 0xFF; };
    return RGB(mid(GetRValue(a), GetRValue(b)), mid(GetGValue(a), GetGValue(b)),
               mid(GetBValue(a), GetBValue(b)));
}

COLORREF CColorUtility::ColorAdjustLuma(COLORREF color, int n, BOOL scale) {
    if (n == 0) return color & 0xFFFFFF;
    Hls hls = RgbToHls(GetRValue(color), GetGValue(color), GetBValue(color));
    if (!scale)
        hls.l += n * HLSMAX / 1000;
    else if (n > 0)
        hls.l += (HLSMAX - hls.l) * n / 1000;
    else
        hls.l += hls.l * n / 1000;
    hls.l = Clamp(hls.l, 0, HLSMAX);
    return HlsToRgb(hls);
}
