#include "graphics/TextureManager.h"

#include "platform/RegularFile.h"

#include <FreeImage.h>
#include <GL/glu.h>
#include <SDL_opengl.h>

#include <cassert>
#include <utility>

namespace
{
constexpr GLint freeImageRowAlignmentBytes = 4;

// Frees the decoded picture when it goes out of scope.
struct DecodedPicture
{
    explicit DecodedPicture(FIBITMAP* decoded) : bitmap(decoded) {}
    ~DecodedPicture()
    {
        if (bitmap)
            FreeImage_Unload(bitmap);
    }
    DecodedPicture(const DecodedPicture&) = delete;
    DecodedPicture& operator=(const DecodedPicture&) = delete;

    FIBITMAP* bitmap;
};

// The renderer's limit, never above the game's own bound. Needs the OpenGL context.
unsigned largestSide()
{
    GLint rendererLargest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &rendererLargest);
    if (rendererLargest <= 0 || rendererLargest > TextureManager::largestPictureSide)
        return TextureManager::largestPictureSide;
    return static_cast<unsigned>(rendererLargest);
}

bool fits(FIBITMAP* bitmap, unsigned largest)
{
    return FreeImage_GetWidth(bitmap) <= largest && FreeImage_GetHeight(bitmap) <= largest;
}

// A picture too large to draw is refused from its header, before its pixels take any memory: a few bytes
// of a file may claim gigabytes. Formats whose header cannot be read alone are measured once decoded.
FIBITMAP* decode(const std::string& name, unsigned largest)
{
    const FREE_IMAGE_FORMAT format = FreeImage_GetFIFFromFilename(name.c_str());
    if (format == FIF_UNKNOWN || !platform::isRegularFile(name))
        return nullptr;
    if (FreeImage_FIFSupportsNoPixels(format))
    {
        DecodedPicture header(FreeImage_Load(format, name.c_str(), FIF_LOAD_NOPIXELS));
        if (!header.bitmap || !fits(header.bitmap, largest))
            return nullptr;
    }
    DecodedPicture picture(FreeImage_Load(format, name.c_str(), 0));
    if (!picture.bitmap || !fits(picture.bitmap, largest))
        return nullptr;
    return std::exchange(picture.bitmap, nullptr);
}

bool isUploadable(FIBITMAP* bitmap)
{
    const unsigned bitsPerPixel = FreeImage_GetBPP(bitmap);
    return FreeImage_GetImageType(bitmap) == FIT_BITMAP && (bitsPerPixel == 24 || bitsPerPixel == 32);
}

// Palette, grey, 16-bit and high-precision pictures have no layout OpenGL takes directly: they are
// widened to 32 bits, high-precision ones scaled to bytes first. Returns null when the picture is
// uploadable as it is, or when no conversion exists.
FIBITMAP* widenedCopy(FIBITMAP* bitmap)
{
    if (isUploadable(bitmap))
        return nullptr;
    if (FIBITMAP* widened = FreeImage_ConvertTo32Bits(bitmap))
        return widened;
    DecodedPicture bytes(FreeImage_ConvertToStandardType(bitmap, TRUE));
    return bytes.bitmap ? FreeImage_ConvertTo32Bits(bytes.bitmap) : nullptr;
}

// The power of two the mipmap builder itself would pick: the nearer one by the two leading bits.
unsigned levelSide(unsigned side)
{
    unsigned power = 1;
    while (power * 2 <= side)
        power *= 2;
    return side >= power + power / 2 ? power * 2 : power;
}

// The mipmap builder's own scaler leaves the top row of the picture empty when only the width needs
// scaling (300 by 64, 800 by 512), so pictures reach it with power-of-two sides already. Returns null
// when the picture has them.
FIBITMAP* powerOfTwoCopy(FIBITMAP* bitmap)
{
    const unsigned width = FreeImage_GetWidth(bitmap);
    const unsigned height = FreeImage_GetHeight(bitmap);
    const unsigned levelWidth = levelSide(width);
    const unsigned levelHeight = levelSide(height);
    if (levelWidth == width && levelHeight == height)
        return nullptr;
    return FreeImage_Rescale(bitmap, static_cast<int>(levelWidth), static_cast<int>(levelHeight),
                             FILTER_BILINEAR);
}

// FreeImage rows run bottom-up, padded to 4 bytes, in blue-green-red(-alpha) order: exactly what an
// unpack alignment of 4 and the BGR formats read, with t = 0 at the bottom of the picture. The alignment
// is set for the upload, whatever other drawing code left, and restored afterwards.
void upload(FIBITMAP* bitmap)
{
    assert(isUploadable(bitmap));
    const bool hasAlpha = FreeImage_GetBPP(bitmap) == 32;
    const GLint components = hasAlpha ? 4 : 3;
    const GLenum format = hasAlpha ? GL_BGRA_EXT : GL_BGR_EXT;
    GLint previousAlignment = freeImageRowAlignmentBytes;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, freeImageRowAlignmentBytes);
    gluBuild2DMipmaps(GL_TEXTURE_2D, components, static_cast<GLint>(FreeImage_GetWidth(bitmap)),
                      static_cast<GLint>(FreeImage_GetHeight(bitmap)), format, GL_UNSIGNED_BYTE,
                      FreeImage_GetBits(bitmap));
    glPixelStorei(GL_UNPACK_ALIGNMENT, previousAlignment);
}
} // namespace

TextureManager::~TextureManager()
{
    for (auto& entry : textures)
        releaseTexture(entry.first);
}

Handle<Texture> TextureManager::getTexture(std::string name)
{
    Handle<Texture>& entry = textures[name];
    if (!entry)
        entry = loadTexture(name);
    return entry;
}

void TextureManager::releaseTexture(std::string name)
{
    textures[name] = nullptr;
}

Handle<Texture> TextureManager::loadTexture(std::string name)
{
    Handle<Texture> texture = new Texture(name);
    DecodedPicture picture(decode(name, largestSide()));

    glGenTextures(1, &texture->textureId);
    glBindTexture(GL_TEXTURE_2D, texture->textureId);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    if (!picture.bitmap)
        return texture;

    texture->width = static_cast<int>(FreeImage_GetWidth(picture.bitmap));
    texture->height = static_cast<int>(FreeImage_GetHeight(picture.bitmap));
    // A picture that cannot be brought to 24 or 32 bits keeps its size but receives no pixels.
    DecodedPicture widened(widenedCopy(picture.bitmap));
    FIBITMAP* pixels = widened.bitmap ? widened.bitmap : picture.bitmap;
    if (!isUploadable(pixels))
        return texture;
    DecodedPicture resized(powerOfTwoCopy(pixels));
    upload(resized.bitmap ? resized.bitmap : pixels);
    return texture;
}
