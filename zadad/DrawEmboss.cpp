// A bump-map emboss: the white parts of a bitmap seem to stand out of the
// surface, lit from the upper left.
#include "zadad/DrawUtility.h"

#include "zadad/AngleConstants.h"
#include "zadad/Dib.h"
#include "zadad/PainterPixels.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace {

struct Light {
    double x;
    double y;
    double z;
};

// Azimuth an eighth of a turn, elevation three eighths of a turn, at an
// intensity just below 256 so that a fully lit pixel stays within a byte.
Light MakeLight() {
    const double azimuth = CAngleConstants::PI / 4;
    const double elevation = 3 * CAngleConstants::PI / 4;
    const double intensity = 255.9;
    return {std::cos(azimuth) * std::cos(elevation) * intensity,
            std::sin(azimuth) * std::cos(elevation) * intensity, std::sin(elevation) * intensity};
}

// The shade 0-255 of the pixel at (x, y) from its 3 x 3 neighbourhood of
// heights; -1 where the neighbourhood is flat (lit only by the light's
// vertical part, which leaves the surface as it is).
int Shade(const CDib& heights, int x, int row, const Light& light) {
    auto h = [&](int dx, int drow) {
        return CDrawUtility::GetWhiteValue(heights.Pixel(x + dx, row + drow));
    };
    // Rows are stored bottom-up: drow = +1 is the row above on screen.
    const int nx = h(-1, 1) + h(-1, 0) + h(-1, -1) - h(1, 1) - h(1, 0) - h(1, -1);
    const int ny = h(-1, -1) + h(0, -1) + h(1, -1) - h(-1, 1) - h(0, 1) - h(1, 1);
    if (nx == 0 && ny == 0) return -1;
    constexpr double nz = 6.0 * 255 / 3;
    const double dot = nx * light.x + ny * light.y + nz * light.z;
    if (dot < 0) return 0;
    return static_cast<int>(dot / std::sqrt(double(nx) * nx + double(ny) * ny + nz * nz));
}

DWORD Scaled(DWORD pixel, int shade) {
    auto channel = [&](int shift) { return ((pixel >> shift & 0xFF) * shade / 256) << shift; };
    return channel(16) | channel(8) | channel(0);
}

} // namespace

int CDrawUtility::GetWhiteValue(DWORD pixel) {
    return (pixel & 0xFFFFFF) == 0xFFFFFF ? 255 : 0;
}

void CDrawUtility::Emboss(const CDib& heights, CDib& screen, int flag) {
    const int width = std::min(heights.Width(), screen.Width());
    const int height = std::min(heights.Height(), screen.Height());
    const Light light = MakeLight();
    DWORD* bits = screen.Bits();
    for (int row = 1; row < height - 1; ++row) {
        for (int x = 1; x < width - 1; ++x) {
            const int shade = Shade(heights, x, row, light);
            DWORD& pixel = bits[static_cast<std::size_t>(row) * screen.Width() + x];
            if (shade < 0) continue; // flat: the surface shows as it is
            pixel = flag == 0 ? static_cast<DWORD>(shade * 0x010101) : Scaled(pixel, shade);
        }
    }
}

void CDrawUtility::DrawEmbossBmp(unsigned bitmapID, QPainter* dc, int x, int y, int cx, int cy,
                                 int flag) {
    if (!dc || cx < 3 || cy < 3) return;
    CDib bump;
    if (!bump.LoadResource(bitmapID)) return;
    // Heights beyond the bitmap are 0; the bitmap is taken at its own size.
    CDib heights;
    CDib screen;
    if (!heights.Create(cx, cy) || !screen.Create(cx, cy)) return;
    const QImage bumpImage = [&] {
        QImage img(cx, cy, QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        bump.Draw(&p, 0, 0);
        return img;
    }();
    heights.Fill(bumpImage);
    QImage beneath(cx, cy, QImage::Format_RGB32);
    beneath.fill(Qt::black);
    QPoint origin;
    const QImage read = painterpixels::ReadBack(dc, QRect(x, y, cx, cy), &origin);
    if (!read.isNull()) {
        QPainter p(&beneath);
        p.drawImage(origin.x() - x, origin.y() - y, read);
    }
    screen.Fill(beneath);
    Emboss(heights, screen, flag);
    // The outer row and column carry no result: (cx - 1) x (cy - 1) pixels
    // are drawn, one pixel in.
    QImage result(cx, cy, QImage::Format_RGB32);
    {
        QPainter p(&result);
        screen.Draw(&p, 0, 0);
    }
    painterpixels::WriteBack(dc, x + 1, y + 1, result.copy(1, 1, cx - 1, cy - 1));
}
