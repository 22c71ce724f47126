#include "widgets/Meter.h"

#include "engine/Core.h"
#include "graphics/Interface.h"
#include "support/Scene.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using MeterTest = Scene;

TEST_F(MeterTest, FillsItsFractionOfTheBarFromTheLeftAndNeverLeavesTheBar)
{
    const GlWindow::Colour grey{80, 80, 80};
    const GlWindow::Colour orange{255, 160, 0};
    // A 300 by 30 bar at (300, 70): x 300..599, y 40..69.
    Handle<Meter> meter =
        new Meter(writeSolidPicture("empty.png", 300, 30, Rgba{80, 80, 80, 255}),
                  writeSolidPicture("full.png", 300, 30, Rgba{255, 160, 0, 255}), 0, Vector3(300, 70, 0));
    Core::instance()->getInterface()->addWidget(meter);
    const struct
    {
        float value;
        int filledColumns;
    } cases[] = {{0.5f, 150}, {1.7f, 300}, {0, 0}, {-0.5f, 0}, {std::nanf(""), 0}, {0.25f, 75}};
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.value);
        meter->value = entry.value;
        drawInterface();
        EXPECT_EQ(entry.filledColumns * 30, countPixels(orange));
        EXPECT_EQ(300 * 30, litPixels());
        EXPECT_EQ(entry.filledColumns > 0 ? orange : grey, window.pixel(300, 40));
        EXPECT_EQ(entry.filledColumns == 300 ? orange : grey, window.pixel(599, 69));
    }
    EXPECT_EQ(0.25f, meter->value) << "only the drawing is clamped";
}

} // namespace
