#include "graphics/TextureManager.h"
#include "graphics/TexturedQuad.h"

#include "graphics/Texture.h"
#include "support/GlWindow.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <filesystem>

using testpictures::Rgba;

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

    GLint levelParameter(const Handle<Texture>& texture, GLenum parameter)
    {
        GLint result = -1;
        glBindTexture(GL_TEXTURE_2D, texture->textureId);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &result);
        return result;
    }

    // A 16 by 16 picture: red left half, right half green, or see-through where `transparentRight`.
    std::string writeHalves(const std::string& name, int bitsPerPixel, bool transparentRight = false)
    {
        const std::string path = folder.file(name);
        testpictures::writeTrueColour(path, 16, 16, bitsPerPixel,
                                      [&](int x, int)
                                      {
                                          if (x < 8)
                                              return red;
                                          return transparentRight ? clear : green;
                                      });
        return path;
    }
};

TEST_F(TextureManagerTest, SameNameGivesTheSameRecordDecodedOnce)
{
    const std::string path = writeHalves("halves.png", 32);
    Handle<Texture> first = textures->getTexture(path);
    std::filesystem::remove(path);
    Handle<Texture> second = textures->getTexture(path);

    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(path, second->fileName);
    EXPECT_EQ(16, second->width);
    EXPECT_NE(0u, second->textureId);
}

TEST_F(TextureManagerTest, MissingFileGivesAnEmptyRecordThatIsCached)
{
    const std::string path = folder.file("absent.png");
    Handle<Texture> missing = textures->getTexture(path);

    EXPECT_NE(0u, missing->textureId);
    EXPECT_TRUE(glIsTexture(missing->textureId));
    EXPECT_EQ(0, missing->width);
    EXPECT_EQ(0, missing->height);

    // Not tried again: a file appearing later is not read until the entry is released.
    writeHalves("absent.png", 32);
    Handle<Texture> again = textures->getTexture(path);
    EXPECT_EQ(missing.get(), again.get());
    EXPECT_EQ(0, again->width);
}

TEST_F(TextureManagerTest, ThirtyTwoBitsKeepAlphaAndTwentyFourBitsHaveNone)
{
    Handle<Texture> withAlpha = textures->getTexture(writeHalves("alpha.png", 32, true));
    Handle<Texture> opaque = textures->getTexture(writeHalves("opaque.bmp", 24, true));

    EXPECT_GT(levelParameter(withAlpha, GL_TEXTURE_ALPHA_SIZE), 0);
    EXPECT_EQ(0, levelParameter(opaque, GL_TEXTURE_ALPHA_SIZE));
    EXPECT_GT(levelParameter(opaque, GL_TEXTURE_RED_SIZE), 0);

    window.clear(0, 0, 1);
    drawTexture(withAlpha, 0, 0, 160, 160);
    drawTexture(opaque, 200, 0, 360, 160);
    EXPECT_TRUE(near(GlWindow::Colour{255, 0, 0}, window.pixel(40, 80)));
    EXPECT_TRUE(near(GlWindow::Colour{0, 0, 255}, window.pixel(120, 80))) << "alpha 0 shows the background";
    EXPECT_TRUE(near(GlWindow::Colour{255, 0, 0}, window.pixel(240, 80)));
    EXPECT_TRUE(near(GlWindow::Colour{0, 0, 0}, window.pixel(320, 80))) << "24 bits carry no alpha";
}

TEST_F(TextureManagerTest, PicturesAreUploadedUpright)
{
    const std::string path = folder.file("bands.png");
    testpictures::writeTrueColour(path, 8, 8, 24, [](int, int y) { return y < 4 ? red : blue; });
    window.clear();
    drawTexture(textures->getTexture(path), 0, 0, 80, 80);
    EXPECT_TRUE(near(GlWindow::Colour{255, 0, 0}, window.pixel(40, 70))) << "the picture's top row is t = 1";
    EXPECT_TRUE(near(GlWindow::Colour{0, 0, 255}, window.pixel(40, 10)));
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
        EXPECT_TRUE(near(GlWindow::Colour{0, 255, 0}, window.pixel(10, y))) << "row " << y;
        EXPECT_TRUE(near(GlWindow::Colour{255, 0, 0}, window.pixel(30, y))) << "row " << y;
    }
}

TEST_F(TextureManagerTest, PicturesScaledOnlyInWidthKeepTheirTopRow)
{
    // 300 by 64 becomes 256 by 64 on upload; the top band must survive the scaling.
    const std::string path = folder.file("strip.png");
    testpictures::writeTrueColour(path, 300, 64, 32, [](int, int y) { return y < 4 ? red : blue; });
    window.clear();
    drawTexture(textures->getTexture(path), 0, 0, 300, 64);
    for (int x : {10, 150, 290})
    {
        EXPECT_TRUE(near(GlWindow::Colour{255, 0, 0}, window.pixel(x, 63))) << "column " << x;
        EXPECT_TRUE(near(GlWindow::Colour{0, 0, 255}, window.pixel(x, 30))) << "column " << x;
    }
}

TEST_F(TextureManagerTest, PaletteAndGreyPicturesAreWidenedAndDrawTheirColours)
{
    const std::string palette = folder.file("palette.png");
    testpictures::writePalette(palette, 16, 16, {red, blue}, [](int x, int) { return x < 8 ? 0 : 1; });
    const std::string grey = folder.file("grey.png");
    testpictures::writeGrey8(grey, 16, 16, [](int x, int) { return x < 8 ? 64 : 200; });

    Handle<Texture> paletteTexture = textures->getTexture(palette);
    Handle<Texture> greyTexture = textures->getTexture(grey);
    EXPECT_EQ(16, paletteTexture->width);
    EXPECT_EQ(16, greyTexture->height);

    window.clear();
    drawTexture(paletteTexture, 0, 0, 160, 160);
    drawTexture(greyTexture, 200, 0, 360, 160);
    EXPECT_TRUE(near(GlWindow::Colour{255, 0, 0}, window.pixel(40, 80)));
    EXPECT_TRUE(near(GlWindow::Colour{0, 0, 255}, window.pixel(120, 80)));
    EXPECT_TRUE(near(GlWindow::Colour{64, 64, 64}, window.pixel(240, 80)));
    EXPECT_TRUE(near(GlWindow::Colour{200, 200, 200}, window.pixel(320, 80)));
}

TEST_F(TextureManagerTest, SixteenBitAndFloatingPointPicturesAreScaledToBytes)
{
    const std::string deep = folder.file("deep.png");
    testpictures::writeGrey16(deep, 16, 16, [](int x, int) { return x < 8 ? 0 : 65535; });
    const std::string floating = folder.file("floating.pfm");
    testpictures::writeFloat(floating, 16, 16, [](int x, int) { return x < 8 ? 0.0 : 1.0; });

    window.clear(0, 0, 1);
    drawTexture(textures->getTexture(deep), 0, 0, 160, 160);
    drawTexture(textures->getTexture(floating), 200, 0, 360, 160);
    EXPECT_TRUE(near(GlWindow::Colour{0, 0, 0}, window.pixel(40, 80)));
    EXPECT_TRUE(near(GlWindow::Colour{255, 255, 255}, window.pixel(120, 80)));
    EXPECT_TRUE(near(GlWindow::Colour{0, 0, 0}, window.pixel(240, 80)));
    EXPECT_TRUE(near(GlWindow::Colour{255, 255, 255}, window.pixel(320, 80)));
}

TEST_F(TextureManagerTest, SizeIsThePicturesOwnNotThePowerOfTwoLevels)
{
    const std::string path = folder.file("wide.png");
    testpictures::writeTrueColour(path, 300, 70, 32, [](int, int) { return green; });
    Handle<Texture> texture = textures->getTexture(path);
    EXPECT_EQ(300, texture->width);
    EXPECT_EQ(70, texture->height);
}

TEST_F(TextureManagerTest, ReleasedEntryIsDecodedAgainIntoANewRecord)
{
    const std::string path = folder.file("changing.png");
    testpictures::writeTrueColour(path, 8, 8, 32, [](int, int) { return red; });
    Handle<Texture> before = textures->getTexture(path);

    testpictures::writeTrueColour(path, 24, 8, 32, [](int, int) { return red; });
    textures->releaseTexture(path);
    Handle<Texture> after = textures->getTexture(path);

    EXPECT_NE(before.get(), after.get());
    EXPECT_NE(before->textureId, after->textureId);
    EXPECT_EQ(24, after->width);
    EXPECT_EQ(after.get(), textures->getTexture(path).get());
}

TEST_F(TextureManagerTest, ReleasingAnUnknownNameLeavesOtherEntriesAlone)
{
    const std::string path = writeHalves("kept.png", 32);
    Handle<Texture> kept = textures->getTexture(path);
    textures->releaseTexture(folder.file("never-requested.png"));
    EXPECT_EQ(kept.get(), textures->getTexture(path).get());
}

TEST_F(TextureManagerTest, DestroyingTheCacheFreesItsTextures)
{
    const unsigned textureId = textures->getTexture(writeHalves("freed.png", 32))->textureId;
    ASSERT_TRUE(glIsTexture(textureId));
    textures = nullptr;
    EXPECT_FALSE(glIsTexture(textureId));
}

} // namespace
