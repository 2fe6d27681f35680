// The calendar window's button outlines on screens with more than one device
// pixel to the pixel: drawn finer, in the same place, clicked on whole pixels.
#include "views/ButtonShapes.h"
#include "res/Resources.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using ShapeAt = std::function<QRegion(qreal)>;

int Area(const QRegion& region) {
    int area = 0;
    for (const QRect& rect : region)
        area += rect.width() * rect.height();
    return area;
}

std::vector<std::pair<std::string, ShapeAt>> EveryShape() {
    using namespace buttonshapes;
    std::vector<std::pair<std::string, ShapeAt>> shapes = {
        {"close", [](qreal s) { return Close(s); }},
        {"maximize", [](qreal s) { return Maximize(false, s); }},
        {"restore", [](qreal s) { return Maximize(true, s); }},
        {"back", [](qreal s) { return Arrow(false, s); }},
        {"forward", [](qreal s) { return Arrow(true, s); }},
        {"year back", [](qreal s) { return DoubleArrow(false, s); }},
        {"year forward", [](qreal s) { return DoubleArrow(true, s); }},
        {"filter", [](qreal s) { return Rectangle(41, 17, s); }},
    };
    for (const unsigned id : resources::kToolbarBitmaps)
        shapes.emplace_back("toolbar " + std::to_string(id),
                            [id](qreal s) { return Toolbar(id, s); });
    return shapes;
}

TEST(ButtonShapes, AtAScaleKeepTheirBoxAndFillInProportion) {
    for (const auto& [name, at] : EveryShape()) {
        const QRegion plain = at(1);
        ASSERT_FALSE(plain.isEmpty()) << name;
        const QRect box = plain.boundingRect();
        for (const qreal scale : {1.5, 2.0, 3.0}) {
            const QRegion fine = at(scale);
            const QRect fineBox = fine.boundingRect();
            // Sharp tips fill only where they are a pixel wide: finer, they reach
            // up to two pixels further out.
            const qreal slack = 2 * scale;
            EXPECT_NEAR(fineBox.left(), box.left() * scale, slack) << name << " at " << scale;
            EXPECT_NEAR(fineBox.top(), box.top() * scale, slack) << name << " at " << scale;
            EXPECT_NEAR(fineBox.right() + 1, (box.right() + 1) * scale, slack)
                << name << " at " << scale;
            EXPECT_NEAR(fineBox.bottom() + 1, (box.bottom() + 1) * scale, slack)
                << name << " at " << scale;
            const double share = Area(fine) / (Area(plain) * scale * scale);
            EXPECT_NEAR(share, 1.0, 0.2) << name << " at " << scale;
        }
    }
}

TEST(ButtonShapes, TheFineOutlineIsClickedOnThePixelsOfThePlainOne) {
    for (const auto& [name, at] : EveryShape()) {
        const QRegion plain = at(1);
        const QRect around = plain.boundingRect().adjusted(-1, -1, 1, 1);
        for (const qreal scale : {1.5, 2.0}) {
            const QRegion covered = buttonshapes::Covered(at(scale), scale);
            EXPECT_TRUE(covered.subtracted(QRegion(around)).isEmpty()) << name << " at " << scale;
            EXPECT_GE(Area(covered.intersected(plain)), Area(plain) * 9 / 10)
                << name << " at " << scale;
        }
    }
}

TEST(ButtonShapes, CoveredTakesBackScaledAndCountsPartlyCoveredPixels) {
    const QRegion pixels = QRegion(3, 4, 5, 6) + QRegion(10, 0, 1, 1) + QRegion(0, 12, 2, 1);
    for (const qreal scale : {1.0, 2.0, 3.0})
        EXPECT_EQ(buttonshapes::Covered(buttonshapes::Scaled(pixels, scale), scale), pixels)
            << scale;
    // At a scale of one and a half device pixels fall across two pixels: both take clicks.
    EXPECT_TRUE(
        pixels.subtracted(buttonshapes::Covered(buttonshapes::Scaled(pixels, 1.5), 1.5)).isEmpty());
    EXPECT_EQ(buttonshapes::Covered(QRegion(3, 3, 3, 3), 2), QRegion(1, 1, 2, 2));
    EXPECT_EQ(buttonshapes::Scaled(QRegion(1, 2, 3, 4), 2), QRegion(2, 4, 6, 8));
}

} // namespace
