#include "widgets/Image.h"

#include "engine/Core.h"
#include "graphics/PictureLook.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "graphics/TexturedQuad.h"

#include <SDL_opengl.h>

namespace
{
Vector3 naturalSize(const std::string& fileName)
{
    Handle<Texture> texture = Core::instance()->getTextureManager()->getTexture(fileName);
    return Vector3(static_cast<float>(texture->width), static_cast<float>(texture->height), 0);
}
} // namespace

Image::Image(std::string fileName, float opacity, Vector3 centre, Vector3 quadSize)
    : position(centre), size(quadSize), textureName(std::move(fileName)), alpha(opacity)
{
}

Image::Image(std::string fileName, float opacity, Vector3 centre)
    : Image(fileName, opacity, centre, naturalSize(fileName))
{
}

void Image::draw()
{
    Handle<Texture> texture = Core::instance()->getTextureManager()->getTexture(textureName);
    glColor4f(1, 1, 1, alpha);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture->textureId);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPushMatrix();
    glTranslatef(position.x, position.y, 0);

    if (showsTexelPerPixel(*texture))
        TexturedQuad::drawTexelPerPixel(-size.x * 0.5f, -size.y * 0.5f, size.x * 0.5f, size.y * 0.5f);
    else
        TexturedQuad::drawCentred(size.x * 0.5f, size.y * 0.5f);

    glPopMatrix();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

// Shown at its natural size with whole-pixel corners, a picture uploaded as it is (power-of-two sides)
// puts one texel on each pixel.
bool Image::showsTexelPerPixel(const Texture& texture) const
{
    auto isPowerOfTwo = [](int side) { return side > 0 && (side & (side - 1)) == 0; };
    auto isWhole = [](float value) { return value == static_cast<float>(static_cast<long>(value)); };
    return isPowerOfTwo(texture.width) && isPowerOfTwo(texture.height) &&
           size.x == static_cast<float>(texture.width) && size.y == static_cast<float>(texture.height) &&
           isWhole(position.x - size.x * 0.5f) && isWhole(position.y - size.y * 0.5f);
}

void Image::appendLook(PictureLook& look) const
{
    look.add(textureName);
    look.add(position);
    look.add(size);
    look.add(alpha);
}

void Image::handleEvent(Event&) {}

Vector3 Image::getSize() const
{
    return size;
}
