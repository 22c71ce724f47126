#include "widgets/Image.h"

#include "engine/Core.h"
#include "graphics/Interface.h"
#include "widgets/WidgetScene.h"

#include <gtest/gtest.h>

namespace
{
using ImageTest = WidgetScene;

const GlWindow::Colour black{0, 0, 0};
const GlWindow::Colour red{255, 0, 0};
const GlWindow::Colour green{0, 255, 0};
const GlWindow::Colour blue{0, 0, 255};
const GlWindow::Colour white{255, 255, 255};
const GlWindow::Colour yellow{255, 255, 0};

TEST_F(ImageTest, PictureAppearsUprightAndNotMirrored)
{
    const std::string quadrants =
        writePicture("quadrants.png", 64, 64,
                     [](int x, int y)
                     {
                         if (y < 32)
                             return x < 32 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255};
                         return x < 32 ? Rgba{0, 0, 255, 255} : Rgba{255, 255, 255, 255};
                     });
    Core::instance()->getInterface()->addWidget(
        new Image(quadrants, 1, Vector3(400, 300, 0), Vector3(200, 200, 0)));
    drawInterface();
    EXPECT_EQ(red, window.pixel(350, 350)) << "top left";
    EXPECT_EQ(green, window.pixel(450, 350)) << "top right";
    EXPECT_EQ(blue, window.pixel(350, 250)) << "bottom left";
    EXPECT_EQ(white, window.pixel(450, 250)) << "bottom right";
}

TEST_F(ImageTest, CoversExactlyItsRectangle)
{
    const std::string solid = writeSolidPicture("yellow.png", 4, 4, Rgba{255, 255, 0, 255});
    Core::instance()->getInterface()->addWidget(new Image(solid, 1, Vector3(70, 37, 0), Vector3(50, 50, 0)));
    drawInterface();
    // x 45 to 95 and y 12 to 62: pixels 45..94 and 12..61.
    EXPECT_EQ(yellow, window.pixel(45, 12));
    EXPECT_EQ(yellow, window.pixel(94, 61));
    EXPECT_EQ(black, window.pixel(44, 37));
    EXPECT_EQ(black, window.pixel(95, 37));
    EXPECT_EQ(black, window.pixel(70, 11));
    EXPECT_EQ(black, window.pixel(70, 62));
    EXPECT_EQ(50 * 50, litPixels());
}

TEST_F(ImageTest, NaturalSizeIsThePicturesAndShowsItOneUnitPerPixel)
{
    const std::string wide = writeSolidPicture("wide.png", 300, 70, Rgba{255, 255, 0, 255});
    Handle<Image> image = new Image(wide, 1, Vector3(400, 300, 0));
    EXPECT_FLOAT_EQ(300, image->getSize().x);
    EXPECT_FLOAT_EQ(70, image->getSize().y);
    EXPECT_FLOAT_EQ(0, image->getSize().z);

    Core::instance()->getInterface()->addWidget(image);
    drawInterface();
    EXPECT_EQ(yellow, window.pixel(250, 265));
    EXPECT_EQ(yellow, window.pixel(549, 334));
    EXPECT_EQ(300 * 70, litPixels());
}

TEST_F(ImageTest, AMissingPictureHasNoSizeAndShowsNothing)
{
    Handle<Image> image = new Image(folder.file("missing.png"), 1, Vector3(400, 300, 0));
    EXPECT_FLOAT_EQ(0, image->getSize().x);
    EXPECT_FLOAT_EQ(0, image->getSize().y);
    Core::instance()->getInterface()->addWidget(image);
    drawInterface();
    EXPECT_EQ(0, litPixels());
}

TEST_F(ImageTest, AlphaLetsTheBackgroundThrough)
{
    const std::string solid = writeSolidPicture("white.png", 4, 4, Rgba{255, 255, 255, 255});
    Core::instance()->getInterface()->addWidget(
        new Image(solid, 0.7f, Vector3(400, 300, 0), Vector3(100, 100, 0)));
    drawInterface();
    EXPECT_TRUE(near(GlWindow::Colour{179, 179, 179}, window.pixel(400, 300), 2));
}

TEST_F(ImageTest, ALaterWidgetCoversAnEarlierOne)
{
    Handle<Interface> layer = Core::instance()->getInterface();
    const std::string first = writeSolidPicture("red.png", 4, 4, Rgba{255, 0, 0, 255});
    const std::string second = writeSolidPicture("blue.png", 4, 4, Rgba{0, 0, 255, 255});
    layer->addWidget(new Image(first, 1, Vector3(100, 100, 0), Vector3(100, 100, 0)));
    layer->addWidget(new Image(second, 1, Vector3(150, 100, 0), Vector3(100, 100, 0)));
    drawInterface();
    EXPECT_EQ(red, window.pixel(60, 100));
    EXPECT_EQ(blue, window.pixel(120, 100));
    EXPECT_EQ(blue, window.pixel(190, 100));
}

} // namespace
