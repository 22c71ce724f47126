#include "engine/Core.h"
#include "graphics/Interface.h"
#include "support/Scene.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/Meter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using Colour = GlWindow::Colour;
const Colour black{0, 0, 0};
const Colour green{0, 255, 0};

class WidgetDrawing : public Scene
{
protected:
    template <typename T>
    Handle<T> add(T* widget)
    {
        Core::instance()->getInterface()->addWidget(widget);
        return widget;
    }
};

TEST_F(WidgetDrawing, AnImageShowsUprightOverExactlyItsRectangle)
{
    // x 45 to 95 and y 12 to 62: pixels 45..94 and 12..61.
    add(new Image(writePicture("quadrants.png", 64, 64,
                               [](int x, int y)
                               {
                                   if (y < 32)
                                       return x < 32 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255};
                                   return x < 32 ? Rgba{0, 0, 255, 255} : Rgba{255, 255, 255, 255};
                               }),
                  1, Vector3(70, 37, 0), Vector3(50, 50, 0)));
    drawInterface();
    EXPECT_TRUE(near(Colour{255, 0, 0}, window.pixel(45, 61))) << "top left";
    EXPECT_TRUE(near(Colour{0, 255, 0}, window.pixel(94, 61))) << "top right";
    EXPECT_TRUE(near(Colour{0, 0, 255}, window.pixel(45, 12))) << "bottom left";
    EXPECT_TRUE(near(Colour{255, 255, 255}, window.pixel(94, 12))) << "bottom right";
    EXPECT_EQ(50 * 50, litPixels());
}

TEST_F(WidgetDrawing, ALabelsLinesStepDownByTheScaledGlyphHeightFromATruncatedCorner)
{
    useWhiteFont("AB");
    // Each glyph is 18 wide and 48 tall; line 1 covers y 252..299, line 2 y 204..251, both from x 110.
    Handle<Label> drawn = add(new Label("A B\nBA", 1, 1.2f, Vector3(110.9f, 300, 0), Vector3(0, 1, 0)));
    drawInterface();
    EXPECT_EQ(green, window.pixel(110, 299));
    EXPECT_EQ(green, window.pixel(110, 251));
    EXPECT_EQ(green, window.pixel(145, 204));
    EXPECT_EQ(black, window.pixel(146, 230)) << "the second line has two characters";
    EXPECT_EQ(4 * 18 * 48, litPixels());
    drawn->setText("");
    drawInterface();
    EXPECT_EQ(0, litPixels()) << "the next frame shows the changed text";
}

TEST_F(WidgetDrawing, AMeterFillsItsFractionOfTheBarFromTheLeftAndNeverLeavesTheBar)
{
    const Colour grey{80, 80, 80};
    const Colour orange{255, 160, 0};
    // A 300 by 30 bar at (300, 70): x 300..599, y 40..69.
    Handle<Meter> meter = add(new Meter(writeSolidPicture("empty.png", 300, 30, Rgba{80, 80, 80, 255}),
                                        writeSolidPicture("full.png", 300, 30, Rgba{255, 160, 0, 255}), 0,
                                        Vector3(300, 70, 0)));
    const std::pair<float, int> fills[] = {{0.5f, 150}, {1.7f, 300}, {0, 0}, {-0.5f, 0}, {std::nanf(""), 0}};
    for (const auto& [value, columns] : fills)
    {
        SCOPED_TRACE(value);
        meter->value = value;
        drawInterface();
        EXPECT_EQ(columns * 30, countPixels(orange));
        EXPECT_EQ(300 * 30, litPixels());
        EXPECT_EQ(columns > 0 ? orange : grey, window.pixel(300, 40));
        EXPECT_EQ(columns == 300 ? orange : grey, window.pixel(599, 69));
    }
}
} // namespace
