#pragma once

#include "engine/Object.h"

#include <string>

// One picture uploaded to OpenGL, always obtained by file name from the TextureManager. A picture that
// could not be read still has a texture name, with a size of 0 by 0 and no pixels.
class Texture : public Object
{
public:
    explicit Texture(std::string name);
    // Frees the OpenGL texture object with the record.
    ~Texture() override;

    std::string fileName;
    unsigned textureId = 0;
    int width = 0;
    int height = 0;
};
