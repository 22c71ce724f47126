#include "world/GravBody.h"

#include "engine/Core.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "graphics/TexturedQuad.h"

#include <SDL_opengl.h>

GravBody::GravBody(const Vector3& centre, float bodyRadius, float bodyStrength, const std::string& image,
                   float bodySpin)
    : position(centre), radius(bodyRadius), strength(bodyStrength), textureName(image), spin(bodySpin)
{
}

void GravBody::draw()
{
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, Core::instance()->getTextureManager()->getTexture(textureName)->textureId);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(angle, 0, 0, 1);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    TexturedQuad::drawCentred(radius, radius);
    glDisable(GL_BLEND);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

bool GravBody::isPlanet() const
{
    return textureName == planetPicture;
}
