// Speed of the drawing helpers the calendar window leans on every time it
// paints: luminance steps, tiling a texture over a large frame, shaping a
// button from its bitmap and shading a bevelled frame.
#include "zadad/Picture.h"
#include "zadad/Utility.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <benchmark/benchmark.h>

namespace {

void BM_ColorAdjustLuma(benchmark::State& state) {
    COLORREF c = RGB(78, 108, 150);
    int n = -900;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ColorAdjustLuma(c, n, 1));
        n = n >= 900 ? -900 : n + 7;
    }
}
BENCHMARK(BM_ColorAdjustLuma);

void BM_TileWindowTexture(benchmark::State& state) {
    CPicture texture;
    texture.Load(153u);
    QImage frame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                 QImage::Format_RGB32);
    QPainter painter(&frame);
    const RECT area{0, 0, frame.width(), frame.height()};
    for (auto _ : state)
        CUtility::TileTexture(&painter, area, &texture, nullptr);
}
BENCHMARK(BM_TileWindowTexture)->Args({800, 600})->Args({1920, 1200});

void BM_RegionFromToolbarBitmap(benchmark::State& state) {
    QRegion region;
    for (auto _ : state) {
        CUtility::CreateRgnFromBmp(nullptr, region, RGB(0, 0, 0), 126);
        benchmark::DoNotOptimize(region.rectCount());
    }
}
BENCHMARK(BM_RegionFromToolbarBitmap);

void BM_LumaRectRaised(benchmark::State& state) {
    QImage frame(900, 600, QImage::Format_RGB32);
    frame.fill(Qt::gray);
    QPainter painter(&frame);
    for (auto _ : state)
        CUtility::DrawLumaRect(&painter, RECT{10, 10, 890, 590}, 1, 6, -1);
}
BENCHMARK(BM_LumaRectRaised);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
