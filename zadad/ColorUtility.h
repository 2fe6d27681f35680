#pragma once
// Colour arithmetic and texture sampling. Colours are COLORREF words
// (0x00BBGGRR); every integer division truncates toward zero, so that text
// colours and shades come out the same on every machine.

#include "zadad/WinTypes.h"

#include <string>

class QPainter;

class CColorUtility {
public:
    // Perceived brightness 0-100: (30 R + 59 G + 11 B) / 255.
    static int GetBrightness(COLORREF color);
    // A text colour that reads on the given background: white on dark, black on light.
    static COLORREF GetReverseColor(COLORREF background);
    // How far apart in brightness a text and its background must be to read.
    static constexpr int kReadableContrast = 30;
    // The text colour itself when it stands at least kReadableContrast off the
    // background, else GetReverseColor of the background: the desktop's or
    // the user's colour where it reads, never light text on a light surface.
    static COLORREF GetReadableColor(COLORREF text, COLORREF background);
    // Changes each channel by a percentage of its own level; a black channel
    // is raised to the given percentage of full scale instead.
    static COLORREF ChangeColorBright(COLORREF color, int dRed, int dGreen, int dBlue);
    // As ChangeColorBright, but channels above half scale move the other way,
    // so bright channels darken and dark ones brighten by the same amount.
    static COLORREF AdjustColor(COLORREF color, int dRed, int dGreen, int dBlue);
    // The colour percent of the way from a to b, channel by channel.
    static COLORREF GetMidColor(COLORREF a, COLORREF b, int percent);
    // Lightens (n > 0) or darkens (n < 0) a colour in its hue-luminance-
    // saturation form, luminance counted 0-240. With scale set, n thousandths
    // of the way toward white (240) or black (0); otherwise n thousandths of
    // the full range are added. Hue and saturation are kept; n = 0 returns the
    // colour unchanged.
    static COLORREF ColorAdjustLuma(COLORREF color, int n, BOOL scale);

    // Sampling what has been drawn: up to 60 pixels of the row just below
    // rect's top. Only painters on an image or pixmap can be read back; a
    // rectangle that reads no pixel gives 0.
    static int GetBrightness(QPainter* dc, const RECT& rect); // 0-255
    static COLORREF GetBmpColor(QPainter* dc, const RECT& rect);
    // The representative colour of a texture: the picture file when named,
    // else the built-in "IMAGE" resource, tiled into a 60 x 4 strip and averaged.
    // A texture that cannot be loaded gives black.
    static COLORREF GetTextureColor(QPainter* dc, const std::string& file, unsigned imageID);
};

// The luminance step under the name the drawing code has always used.
inline COLORREF ColorAdjustLuma(COLORREF color, int n, BOOL scale) {
    return CColorUtility::ColorAdjustLuma(color, n, scale);
}
