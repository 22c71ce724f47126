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
    glColor4f(1, 1, 1, alpha);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, Core::instance()->getTextureManager()->getTexture(textureName)->textureId);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPushMatrix();
    glTranslatef(position.x, position.y, 0);

    TexturedQuad::drawCentred(size.x * 0.5f, size.y * 0.5f);

    glPopMatrix();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
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
