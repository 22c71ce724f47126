#include "widgets/Image.h"

#include "engine/Core.h"
#include "graphics/Interface.h"
#include "support/Scene.h"

#include <gtest/gtest.h>

namespace
{
using ImageTest = Scene;

TEST_F(ImageTest, APictureShowsUprightAndUnmirroredOverExactlyItsRectangle)
{
    const std::string quadrants =
        writePicture("quadrants.png", 64, 64,
                     [](int x, int y)
                     {
                         if (y < 32)
                             return x < 32 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255};
                         return x < 32 ? Rgba{0, 0, 255, 255} : Rgba{255, 255, 255, 255};
                     });
    // x 45 to 95 and y 12 to 62: pixels 45..94 and 12..61.
    Core::instance()->getInterface()->addWidget(
        new Image(quadrants, 1, Vector3(70, 37, 0), Vector3(50, 50, 0)));
    drawInterface();
    EXPECT_TRUE(near(GlWindow::Colour{255, 0, 0}, window.pixel(45, 61))) << "top left";
    EXPECT_TRUE(near(GlWindow::Colour{0, 255, 0}, window.pixel(94, 61))) << "top right";
    EXPECT_TRUE(near(GlWindow::Colour{0, 0, 255}, window.pixel(45, 12))) << "bottom left";
    EXPECT_TRUE(near(GlWindow::Colour{255, 255, 255}, window.pixel(94, 12))) << "bottom right";
    EXPECT_EQ(50 * 50, litPixels());
}

TEST_F(ImageTest, WithoutASizeThePictureShowsOneUnitPerPixelAndAMissingOneNothing)
{
    Handle<Image> wide = new Image(writeSolidPicture("wide.png", 300, 70, Rgba{255, 255, 255, 255}), 0.7f,
                                   Vector3(400, 300, 0));
    Handle<Image> missing = new Image(folder.file("missing.png"), 1, Vector3(100, 100, 0));
    EXPECT_FLOAT_EQ(300, wide->getSize().x);
    EXPECT_FLOAT_EQ(70, wide->getSize().y);
    EXPECT_FLOAT_EQ(0, missing->getSize().x);
    Core::instance()->getInterface()->addWidget(wide);
    Core::instance()->getInterface()->addWidget(missing);
    drawInterface();
    // White at 0.7 over black, from x 250 and y 265.
    EXPECT_TRUE(near(GlWindow::Colour{179, 179, 179}, window.pixel(250, 265), 2));
    EXPECT_TRUE(near(GlWindow::Colour{179, 179, 179}, window.pixel(549, 334), 2));
    EXPECT_EQ(300 * 70, litPixels());
}

} // namespace
