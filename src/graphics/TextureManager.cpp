#include "graphics/TextureManager.h"

#include <FreeImage.h>
#include <GL/glu.h>
#include <SDL_opengl.h>

namespace
{
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

FIBITMAP* decode(const std::string& name)
{
    const FREE_IMAGE_FORMAT format = FreeImage_GetFIFFromFilename(name.c_str());
    if (format == FIF_UNKNOWN)
        return nullptr;
    return FreeImage_Load(format, name.c_str(), 0);
}

// Palette, grey and 16-bit pictures have no layout OpenGL takes directly: they are widened to 32 bits.
// Returns null for pictures that already are 24 or 32 bits per pixel.
FIBITMAP* widenedCopy(FIBITMAP* bitmap)
{
    const unsigned bitsPerPixel = FreeImage_GetBPP(bitmap);
    if (bitsPerPixel == 24 || bitsPerPixel == 32)
        return nullptr;
    return FreeImage_ConvertTo32Bits(bitmap);
}

// FreeImage rows run bottom-up, padded to 4 bytes, in blue-green-red(-alpha) order: exactly what
// OpenGL's default unpack alignment and the BGR formats read, with t = 0 at the bottom of the picture.
void upload(FIBITMAP* bitmap, int width, int height)
{
    const unsigned bitsPerPixel = FreeImage_GetBPP(bitmap);
    const GLint components = bitsPerPixel == 32 ? 4 : 3;
    const GLenum format = bitsPerPixel == 32 ? GL_BGRA_EXT : GL_BGR_EXT;
    gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE,
                      FreeImage_GetBits(bitmap));
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
    DecodedPicture picture(decode(name));

    glGenTextures(1, &texture->textureId);
    glBindTexture(GL_TEXTURE_2D, texture->textureId);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    if (!picture.bitmap)
        return texture;

    texture->width = static_cast<int>(FreeImage_GetWidth(picture.bitmap));
    texture->height = static_cast<int>(FreeImage_GetHeight(picture.bitmap));
    DecodedPicture widened(widenedCopy(picture.bitmap));
    upload(widened.bitmap ? widened.bitmap : picture.bitmap, texture->width, texture->height);
    return texture;
}
