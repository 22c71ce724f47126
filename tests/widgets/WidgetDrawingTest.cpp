#include "engine/Core.h"
#include "graphics/Interface.h"
#include "support/Scene.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/Meter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <typeinfo>

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
    // At its natural size, 30 by 20: x 185..214, y 290..309.
    add(new Image(writeSolidPicture("bar.png", 30, 20, Rgba{255, 255, 255, 255}), 1, Vector3(200, 300, 0)));
    drawInterface();
    EXPECT_TRUE(near(Colour{255, 0, 0}, window.pixel(45, 61))) << "top left";
    EXPECT_TRUE(near(Colour{0, 255, 0}, window.pixel(94, 61))) << "top right";
    EXPECT_TRUE(near(Colour{0, 0, 255}, window.pixel(45, 12))) << "bottom left";
    EXPECT_TRUE(near(Colour{255, 255, 255}, window.pixel(94, 12))) << "bottom right";
    EXPECT_EQ(50 * 50 + 30 * 20, litPixels());
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

TEST_F(WidgetDrawing, AMeterFillsItsFractionOfTheBarFromTheLeftWithThatPartOfItsPictureAndNeverLeavesIt)
{
    const Colour grey{80, 80, 80};
    const Colour orange{255, 160, 0};
    const Colour yellow{255, 255, 0};
    // A 256 by 32 bar at (300, 70): x 300..555, y 38..69; the full picture is orange on its left half.
    Handle<Meter> meter =
        add(new Meter(writeSolidPicture("empty.png", 256, 32, Rgba{80, 80, 80, 255}),
                      writePicture("full.png", 256, 32,
                                   [](int x, int) {
                                       return x < 128 ? Rgba{255, 160, 0, 255} : Rgba{255, 255, 0, 255};
                                   }),
                      0, Vector3(300, 70, 0)));
    const std::pair<float, int> fills[] = {{0.25f, 64}, {1.7f, 256}, {0, 0}, {-0.5f, 0}, {std::nanf(""), 0}};
    for (const auto& [value, columns] : fills)
    {
        SCOPED_TRACE(value);
        meter->value = value;
        drawInterface();
        EXPECT_EQ(std::min(columns, 128) * 32, countPixels(orange));
        EXPECT_EQ(std::max(columns - 128, 0) * 32, countPixels(yellow));
        EXPECT_EQ(256 * 32, litPixels());
        EXPECT_EQ(columns > 0 ? orange : grey, window.pixel(300, 38));
        EXPECT_EQ(columns == 256 ? yellow : grey, window.pixel(555, 69));
    }
}

// Widgets that draw differently differ in their looks, or the main loop would leave one's picture on screen
// when the other took its place.
TEST_F(WidgetDrawing, WhatAWidgetIsDrawnWithIsInItsLook)
{
    useWhiteFont("A");
    const std::string white = writeSolidPicture("white.png", 32, 32, Rgba{255, 255, 255, 255});
    const std::string grey = writeSolidPicture("grey.png", 32, 32, Rgba{80, 80, 80, 255});
    const Vector3 at(100, 300, 0);
    const std::pair<Handle<Widget>, Handle<Widget>> twins[] = {
        {new Label("A", 1, 1, at, Vector3(1, 1, 1)), new Label("A", 1, 1, at, Vector3(0, 1, 0))},
        {new Meter(grey, white, 0.25f, at), new Meter(grey, white, 0.75f, at)},
        {new Image(white, 1, at), new Image(white, 0.5f, at)},
    };
    const auto drawn = [this](const Handle<Widget>& widget)
    {
        PictureLook look;
        widget->appendLook(look);
        window.clear();
        widget->draw();
        return std::pair{look, window.frame()};
    };
    for (const auto& [first, second] : twins)
    {
        const auto [firstLook, firstPicture] = drawn(first);
        const auto [secondLook, secondPicture] = drawn(second);
        ASSERT_TRUE(firstPicture != secondPicture);
        EXPECT_TRUE(firstLook != secondLook) << typeid(*first).name();
    }
}
} // namespace
