#include "widgets/Meter.h"

#include "engine/Core.h"
#include "graphics/Interface.h"
#include "widgets/WidgetScene.h"

#include <gtest/gtest.h>

namespace
{
const GlWindow::Colour black{0, 0, 0};
const GlWindow::Colour grey{80, 80, 80};
const GlWindow::Colour orange{255, 160, 0};

// A 300 by 30 bar at (300, 70): x 300..599, y 40..69.
class MeterTest : public WidgetScene
{
protected:
    Handle<Meter> addMeter(float value, const std::string& fullPicture)
    {
        const std::string empty = writeSolidPicture("empty.png", 300, 30, Rgba{80, 80, 80, 255});
        Handle<Meter> meter = new Meter(empty, fullPicture, value, Vector3(300, 70, 0));
        Core::instance()->getInterface()->addWidget(meter);
        return meter;
    }

    Handle<Meter> addMeter(float value)
    {
        return addMeter(value, writeSolidPicture("full.png", 300, 30, Rgba{255, 160, 0, 255}));
    }

    // The columns of row 55 in the full picture's colour.
    int filledColumns() const
    {
        int filled = 0;
        for (int x = 0; x < 800; ++x)
            filled += window.pixel(x, 55) == orange;
        return filled;
    }
};

TEST_F(MeterTest, HalfFillsExactlyTheLeftHalfOfTheBar)
{
    addMeter(0.5f);
    drawInterface();
    EXPECT_EQ(orange, window.pixel(300, 40));
    EXPECT_EQ(orange, window.pixel(449, 69));
    EXPECT_EQ(grey, window.pixel(450, 55));
    EXPECT_EQ(grey, window.pixel(599, 69));
    EXPECT_EQ(black, window.pixel(299, 55));
    EXPECT_EQ(black, window.pixel(600, 55));
    EXPECT_EQ(black, window.pixel(400, 39));
    EXPECT_EQ(black, window.pixel(400, 70));
    EXPECT_EQ(150 * 30, countPixels(orange));
    EXPECT_EQ(300 * 30, litPixels());
}

TEST_F(MeterTest, AValueAboveOneFillsNoMoreThanTheBarAndStaysAsWritten)
{
    Handle<Meter> meter = addMeter(1.7f);
    drawInterface();
    EXPECT_EQ(300 * 30, countPixels(orange));
    EXPECT_EQ(300 * 30, litPixels());
    EXPECT_FLOAT_EQ(1.7f, meter->value);
}

TEST_F(MeterTest, ZeroOrLessShowsOnlyTheBackground)
{
    Handle<Meter> meter = addMeter(0);
    drawInterface();
    EXPECT_EQ(300 * 30, countPixels(grey));
    meter->value = -0.5f;
    drawInterface();
    EXPECT_EQ(300 * 30, countPixels(grey));
    EXPECT_EQ(300 * 30, litPixels());
}

TEST_F(MeterTest, AChangedValueShowsInTheNextFrame)
{
    Handle<Meter> meter = addMeter(0.25f);
    drawInterface();
    EXPECT_EQ(75, filledColumns());
    meter->value = 0.75f;
    drawInterface();
    EXPECT_EQ(225, filledColumns());
}

TEST_F(MeterTest, AFullPictureOfAnotherSizeIsDrawnOverTheEmptyPicturesRectangle)
{
    addMeter(1, writeSolidPicture("small-full.png", 64, 8, Rgba{255, 160, 0, 255}));
    drawInterface();
    EXPECT_EQ(300 * 30, countPixels(orange));
    EXPECT_EQ(orange, window.pixel(300, 40));
    EXPECT_EQ(orange, window.pixel(599, 69));
}

TEST_F(MeterTest, AMissingEmptyPictureShowsNothing)
{
    Core::instance()->getInterface()->addWidget(
        new Meter(folder.file("missing.png"), writeSolidPicture("full.png", 300, 30, Rgba{255, 160, 0, 255}),
                  1, Vector3(300, 70, 0)));
    drawInterface();
    EXPECT_EQ(0, litPixels());
}

} // namespace
