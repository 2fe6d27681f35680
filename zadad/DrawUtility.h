#pragma once
// Drawing helpers behind the program's look: gradients, shaded and glass
// bars, pressed and raised dots, bevelled lines and frames, shapes taken
// from bitmaps, textured shapes with a shadow, and tiled textures. The
// "DC" is a QPainter; operations that read back what lies beneath (the luma
// lines, the emboss, the sampling) need a painter on an image or pixmap.

#include "zadad/WinTypes.h"

#include <string>

class CDib;
class CPicture;
class QImage;
class QPainter;
class QPoint;
class QRegion;

class CDrawUtility {
public:
    // Two-colour gradient over the rectangle, top to bottom when vertical,
    // else left to right.
    static void FillGradientRect(QPainter* dc, int left, int top, int right, int bottom,
                                 COLORREF from, COLORREF to, int vertical);
    // Quadrilateral shaded from colour a (on p1 and p2) to colour b (on p3 and p4).
    static void FillGradientPoly(QPainter* dc, const QPoint& p1, const QPoint& p2, const QPoint& p3,
                                 const QPoint& p4, COLORREF a, COLORREF b);
    // A bar lit from above: light at the top, darker at the bottom.
    static void ShadeRect1(QPainter* dc, const RECT& rect, COLORREF color);
    // A glassy bar in five bands; the band limits are fractions of
    // rect.bottom, so the rectangle is expected to start at y = 0.
    static void GlassRect1(QPainter* dc, const RECT& rect, COLORREF color);
    // A dot pressed into the surface, and a raised one.
    static void DrawInDot(QPainter* dc, const QPoint& p);
    static void DrawOutDot(QPainter* dc, const QPoint& p);
    // A strip of `width` grey lines along from-to (vertical when the x
    // coordinates agree), each blended with its own constant alpha, ends
    // mitred by slant (-1: outer line longest, +1: outer line shortest).
    static void DrawBevelLine(QPainter* dc, const QPoint& from, const QPoint& to, int width,
                              int grayFrom, int grayTo, int slant, int alphaFrom, int alphaStep);
    // A bevelled frame: raised inside the rectangle, sunken outside it. A
    // gray of -1 is measured from what is drawn there.
    static void DrawLumaRect(QPainter* dc, const RECT& rect, int raised, int width, int gray);
    // The region of every pixel of bitmap resource bitmapID whose value
    // (0x00RRGGBB) differs from key. False, with an empty region, when the
    // bitmap cannot be loaded.
    static bool CreateRgnFromBmp(QPainter* dc, QRegion& rgn, COLORREF key, unsigned bitmapID);
    // The same for a bitmap in memory (a shape drawn at a screen's scale),
    // in its pixels. False, with an empty region, for a null image.
    static bool CreateRgnFromBmp(QPainter* dc, QRegion& rgn, COLORREF key, const QImage& bitmap);
    // The region filled with the tiled picture (or the fill colour without
    // one) at (x, y), with a one-pixel black edge at its lower right.
    static void Draw3DRgn(QPainter* dc, const QRegion* rgn, const CPicture* picture, COLORREF fill,
                          int x, int y, int cx, int cy);
    // Tiles the picture file (when named) or the built-in "IMAGE" resource.
    static void TileTexture(QPainter* dc, const RECT& rect, const std::string& file,
                            unsigned imageID);
    // Tiles the picture over the rectangle (an all-zero rectangle: the
    // picture's own size), leaving out the tiles that exclude covers.
    static void TileTexture(QPainter* dc, const RECT& rect, const CPicture* picture,
                            const RECT* exclude);

    // Offered for other programs; this one does not call them.
    static void Draw3dRect(QPainter* dc, const RECT& rect, int raised);
    static void DrawLumaLine(QPainter* dc, const QPoint& from, const QPoint& to, int luma,
                             int vertical);
    static void DrawMulLumaLine(QPainter* dc, const QPoint& from, const QPoint& to, int luma,
                                int dx, int dy, int dLuma, int count);
    // Height of a bitmap pixel for the emboss: 255 for white, else 0.
    static int GetWhiteValue(DWORD pixel);
    // Lights `screen` as if the white parts of `heights` (same size) stood
    // out of it: inner pixels only, the one-pixel border is left as it is.
    static void Emboss(const CDib& heights, CDib& screen, int flag);
    // Embosses bitmap resource bitmapID over (x, y, cx, cy): with flag 0 the
    // bitmap's edges become shaded grey on the unchanged background, with
    // flag set the background itself is shaded.
    static void DrawEmbossBmp(unsigned bitmapID, QPainter* dc, int x, int y, int cx, int cy,
                              int flag);
};
