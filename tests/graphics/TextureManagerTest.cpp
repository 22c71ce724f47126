#include "graphics/TextureManager.h"
#include "graphics/TexturedQuad.h"

#include "graphics/Texture.h"
#include "support/GlWindow.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

using testpictures::Rgba;
using Colour = GlWindow::Colour;

namespace
{
const Rgba red{255, 0, 0, 255};
const Rgba green{0, 255, 0, 255};
const Rgba blue{0, 0, 255, 255};
const Rgba clear{0, 0, 0, 0};

// The cache needs the OpenGL context for as long as it holds textures, so the window outlives it.
class TextureManagerTest : public ::testing::Test
{
protected:
    GlWindow window;
    TempFolder folder;
    Handle<TextureManager> textures = new TextureManager();

    // Draws the whole texture over the play-field rectangle with blending, as the widgets do.
    void drawTexture(const Handle<Texture>& texture, float left, float bottom, float right, float top)
    {
        glColor4f(1, 1, 1, 1);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture->textureId);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        TexturedQuad::draw(left, bottom, right, top);
        glDisable(GL_BLEND);
        glDisable(GL_TEXTURE_2D);
    }

    // A 16 by 16 picture: red left half, right half green, or see-through where `transparentRight`.
    std::string writeHalves(const std::string& name, int bitsPerPixel, bool transparentRight = false)
    {
        const std::string path = folder.file(name);
        testpictures::writeTrueColour(path, 16, 16, bitsPerPixel,
                                      [&](int x, int) {
                                          return x < 8 ? red : transparentRight ? clear : green;
                                      });
        return path;
    }
};

TEST_F(TextureManagerTest, ANameIsDecodedOnceAndAMissingFileIsCachedEmptyUntilReleased)
{
    const std::string wide = folder.file("wide.png");
    testpictures::writeTrueColour(wide, 300, 70, 32, [](int, int) { return green; });
    Handle<Texture> first = textures->getTexture(wide);
    std::filesystem::remove(wide);
    EXPECT_EQ(first.get(), textures->getTexture(wide).get());
    EXPECT_EQ(wide, first->fileName);
    EXPECT_EQ(300, first->width) << "the picture's own size, not the power-of-two levels";
    EXPECT_EQ(70, first->height);

    const std::string late = folder.file("late.png");
    Handle<Texture> missing = textures->getTexture(late);
    EXPECT_TRUE(glIsTexture(missing->textureId));
    EXPECT_EQ(0, missing->width);
    EXPECT_EQ(0, missing->height);
    writeHalves("late.png", 32);
    EXPECT_EQ(missing.get(), textures->getTexture(late).get()) << "a file appearing later is not read";
    const unsigned missingId = missing->textureId;
    missing = nullptr;
    textures->releaseTexture(late);
    EXPECT_FALSE(glIsTexture(missingId)) << "the released record freed its texture";
    EXPECT_EQ(16, textures->getTexture(late)->width) << "and the file is read again";
    EXPECT_EQ(first.get(), textures->getTexture(wide).get()) << "other entries stay";
}

TEST_F(TextureManagerTest, PicturesOfEveryPixelTypeDrawTheirColoursWithAlphaFromThirtyTwoBitsOnly)
{
    const std::string alpha = writeHalves("alpha.png", 32, true);
    const std::string opaque = writeHalves("opaque.bmp", 24, true);
    const std::string palette = folder.file("palette.png");
    const std::string grey = folder.file("grey.png");
    const std::string deep = folder.file("deep.png");
    const std::string floating = folder.file("floating.pfm");
    testpictures::writePalette(palette, 16, 16, {red, green}, [](int x, int) { return x < 8 ? 0 : 1; });
    testpictures::writeGrey8(grey, 16, 16, [](int x, int) { return x < 8 ? 64 : 200; });
    testpictures::writeGrey16(deep, 16, 16, [](int x, int) { return x < 8 ? 0 : 65535; });
    testpictures::writeFloat(floating, 16, 16, [](int x, int) { return x < 8 ? 0.0 : 1.0; });
    const struct
    {
        std::string path;
        Colour left;
        Colour right;
    } pictures[] = {// Drawn over blue: the see-through half shows it, but 24 bits carry no alpha.
                    {alpha, {255, 0, 0}, {0, 0, 255}},   {opaque, {255, 0, 0}, {0, 0, 0}},
                    {palette, {255, 0, 0}, {0, 255, 0}}, {grey, {64, 64, 64}, {200, 200, 200}},
                    {deep, {0, 0, 0}, {255, 255, 255}},  {floating, {0, 0, 0}, {255, 255, 255}}};
    for (const auto& picture : pictures)
    {
        SCOPED_TRACE(picture.path);
        Handle<Texture> texture = textures->getTexture(picture.path);
        EXPECT_EQ(16, texture->width);
        window.clear(0, 0, 1);
        drawTexture(texture, 0, 0, 160, 160);
        EXPECT_TRUE(near(picture.left, window.pixel(40, 80)));
        EXPECT_TRUE(near(picture.right, window.pixel(120, 80)));
    }
}

TEST_F(TextureManagerTest, RowsPaddedToFourBytesStayStraightWhateverTheUnpackAlignment)
{
    // 2 pixels of 3 bytes make 6-byte rows padded to 8: read with another row length, every row would
    // start further along and the columns would slide sideways.
    const std::string path = folder.file("narrow.bmp");
    testpictures::writeTrueColour(path, 2, 4, 24, [](int x, int) { return x == 0 ? green : red; });
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    Handle<Texture> texture = textures->getTexture(path);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);

    window.clear();
    drawTexture(texture, 0, 0, 40, 40);
    for (int y : {5, 15, 25, 35})
    {
        EXPECT_TRUE(near(Colour{0, 255, 0}, window.pixel(10, y))) << "row " << y;
        EXPECT_TRUE(near(Colour{255, 0, 0}, window.pixel(30, y))) << "row " << y;
    }
}

TEST_F(TextureManagerTest, PicturesScaledOnlyInWidthKeepTheirTopRowUpright)
{
    // 300 by 64 becomes 256 by 64 on upload; the top band must survive the scaling, at the top.
    const std::string path = folder.file("strip.png");
    testpictures::writeTrueColour(path, 300, 64, 32, [](int, int y) { return y < 4 ? red : blue; });
    window.clear();
    drawTexture(textures->getTexture(path), 0, 0, 300, 64);
    for (int x : {10, 150, 290})
    {
        EXPECT_TRUE(near(Colour{255, 0, 0}, window.pixel(x, 63))) << "column " << x;
        EXPECT_TRUE(near(Colour{0, 0, 255}, window.pixel(x, 30))) << "column " << x;
    }
}

TEST_F(TextureManagerTest, PicturesBeyondTheLargestSideAreRefusedAsMissing)
{
    // The 54 bytes of a picture header claiming 20000 by 20000 pixels: decoded, gigabytes.
    const std::string claim = folder.file("claim.bmp");
    std::ofstream(claim, std::ios::binary)
        .write("BM\x36\0\0\0\0\0\0\0\x36\0\0\0"
               "\x28\0\0\0\x20\x4e\0\0\x20\x4e\0\0\x01\0\x18\0"
               "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0",
               54);
    const std::string wide = folder.file("wide.png");
    testpictures::writeTrueColour(wide, TextureManager::largestPictureSide + 1, 1, 24,
                                  [](int, int) { return green; });
    for (const std::string& path : {claim, wide})
    {
        Handle<Texture> texture = textures->getTexture(path);
        EXPECT_EQ(0, texture->width) << path;
        EXPECT_TRUE(glIsTexture(texture->textureId)) << path;
    }
}

} // namespace
