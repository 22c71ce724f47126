#include "widgets/Meter.h"

#include "engine/Core.h"
#include "graphics/PictureLook.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "graphics/TexturedQuad.h"

#include <SDL_opengl.h>

#include <algorithm>

namespace
{
// Past 1 the texture would repeat and the fill spill beyond the bar; below 0 it would run leftwards. A
// value that is not a number draws as empty.
float drawnFraction(float value)
{
    return value > 0 ? std::min(value, 1.0f) : 0.0f;
}
} // namespace

Meter::Meter(std::string emptyPicture, std::string fullPicture, float fraction, Vector3 topLeft)
    : value(fraction), position(topLeft), emptyTextureName(std::move(emptyPicture)),
      fullTextureName(std::move(fullPicture))
{
}

void Meter::draw()
{
    Handle<TextureManager> textures = Core::instance()->getTextureManager();
    Handle<Texture> empty = textures->getTexture(emptyTextureName);
    Handle<Texture> full = textures->getTexture(fullTextureName);
    const float width = static_cast<float>(empty->width);
    const float height = static_cast<float>(empty->height);
    const float fill = drawnFraction(value);
    const float left = position.x;
    const float top = position.y;

    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1);
    glPushMatrix();
    glBindTexture(GL_TEXTURE_2D, empty->textureId);
    TexturedQuad::draw(left, top - height, left + width, top, 1);
    glBindTexture(GL_TEXTURE_2D, full->textureId);
    TexturedQuad::draw(left, top - height, left + fill * width, top, fill);
    glPopMatrix();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void Meter::appendLook(PictureLook& look) const
{
    look.add(emptyTextureName);
    look.add(fullTextureName);
    look.add(position);
    look.add(value);
}

void Meter::handleEvent(Event&) {}
