#include "graphics/TextureManager.h"

#include "graphics/Texture.h"
#include "graphics/TexturedQuad.h"
#include "support/GlWindow.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{
using testpictures::Rgba;
using Colour = GlWindow::Colour;
const Rgba red{255, 0, 0, 255};
const Rgba green{0, 255, 0, 255};
const Rgba clear{0, 0, 0, 0};

// The cache needs the OpenGL context for as long as it holds textures, so the window outlives it.
class TextureManagerTest : public ::testing::Test
{
protected:
    // A picture whose left half is `left` and right half `right`.
    std::string writeHalves(const std::string& name, int width, int height, int bits, Rgba left, Rgba right)
    {
        testpictures::writeTrueColour(folder.file(name), width, height, bits,
                                      [&](int x, int) { return x < width / 2 ? left : right; });
        return folder.file(name);
    }
    GlWindow window;
    TempFolder folder;
    Handle<TextureManager> textures = new TextureManager();
};
} // namespace

TEST_F(TextureManagerTest, ANameIsDecodedOnceAndAMissingFileIsCachedEmptyUntilReleased)
{
    const std::string wide = writeHalves("wide.png", 300, 70, 32, green, green);
    Handle<Texture> first = textures->getTexture(wide);
    std::filesystem::remove(wide);
    EXPECT_EQ(first.get(), textures->getTexture(wide).get());
    EXPECT_EQ(300, first->width) << "the picture's own size, not the power-of-two levels";
    EXPECT_EQ(70, first->height);
    const std::string late = folder.file("late.png");
    Handle<Texture> missing = textures->getTexture(late);
    EXPECT_TRUE(glIsTexture(missing->textureId));
    EXPECT_EQ(0, missing->width);
    writeHalves("late.png", 16, 16, 32, red, green);
    EXPECT_EQ(missing.get(), textures->getTexture(late).get()) << "a file appearing later is not read";
    const unsigned missingId = missing->textureId;
    missing = nullptr;
    textures->releaseTexture(late);
    EXPECT_FALSE(glIsTexture(missingId)) << "the released record freed its texture";
    EXPECT_EQ(16, textures->getTexture(late)->width) << "and the file is read again";

    // The 54 bytes of a picture header claiming 20000 by 20000 pixels, and a real picture a pixel too wide;
    // one at the limit loads.
    const std::string claim = folder.file("claim.bmp");
    std::ofstream(claim, std::ios::binary)
        .write("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x20\x4e\0\0\x20\x4e\0\0\x01\0\x18\0"
               "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0",
               54);
    const std::string tooWide =
        writeHalves("too-wide.png", TextureManager::largestPictureSide + 1, 1, 24, red, red);
    for (const std::string& path : {claim, tooWide})
        EXPECT_EQ(0, textures->getTexture(path)->width) << path;
    const int widest = TextureManager::largestPictureSide;
    EXPECT_EQ(widest, textures->getTexture(writeHalves("widest.png", widest, 1, 24, red, red))->width);
}

TEST_F(TextureManagerTest, EveryKindOfPictureDrawsInItsColoursWithAlphaFromThirtyTwoBitsOnly)
{
    testpictures::writePalette(folder.file("palette.png"), 16, 16, red, green,
                               [](int x, int) { return x < 8 ? 0 : 1; });
    const struct
    {
        std::string path;
        Colour left, right;
    } pictures[] = {
        // Drawn over blue: the see-through half shows it, but 24 bits carry no alpha.
        {writeHalves("alpha.png", 16, 16, 32, red, clear), {255, 0, 0}, {0, 0, 255}},
        {writeHalves("opaque.bmp", 16, 16, 24, red, clear), {255, 0, 0}, {0, 0, 0}},
        {folder.file("palette.png"), {255, 0, 0}, {0, 255, 0}},
        // 6-byte rows padded to 8: read with another row length the columns would slide sideways.
        {writeHalves("narrow.bmp", 2, 4, 24, green, red), {0, 255, 0}, {255, 0, 0}},
    };
    // Drawn with blending as the widgets do, after something else left rows byte-aligned.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (const auto& picture : pictures)
    {
        window.clear(0, 0, 1);
        glBindTexture(GL_TEXTURE_2D, textures->getTexture(picture.path)->textureId);
        TexturedQuad::draw(0, 0, 160, 160);
        EXPECT_TRUE(near(picture.left, window.pixel(40, 80))) << picture.path;
        EXPECT_TRUE(near(picture.right, window.pixel(120, 80))) << picture.path;
    }
}
