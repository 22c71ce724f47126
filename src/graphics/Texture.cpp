#include "graphics/Texture.h"

#include <SDL_opengl.h>

Texture::Texture(std::string name) : fileName(std::move(name)) {}

Texture::~Texture()
{
    if (textureId)
        glDeleteTextures(1, &textureId);
}
