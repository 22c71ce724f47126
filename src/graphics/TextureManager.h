#pragma once

#include "engine/Handle.h"
#include "engine/Object.h"
#include "graphics/Texture.h"

#include <map>
#include <string>

// Turns picture files into OpenGL textures on first request and keeps each for the rest of the run,
// keyed by the exact file-name string the drawing code uses. Core owns the one manager; callers ask it
// on every draw and never keep a texture beyond one draw or one construction. Needs the OpenGL context.
class TextureManager : public Object
{
public:
    // Pixels on a side of the largest picture loaded, whatever more the renderer would take.
    static constexpr int largestPictureSide = 8192;

    ~TextureManager() override;

    // The cached texture of that name, decoded and uploaded on the first request; never empty. Pictures
    // of any depth are brought to 24 or 32 bits, and to power-of-two sides for the upload, while the
    // record keeps the picture's own size. A missing or unreadable file, anything but a regular file, and
    // a picture wider or taller than the renderer or largestPictureSide allows give a cached record of
    // size 0 that is not tried again.
    Handle<Texture> getTexture(std::string name);
    // Empties the cache entry, so the next request loads the file again.
    void releaseTexture(std::string name);

private:
    Handle<Texture> loadTexture(std::string name);

    std::map<std::string, Handle<Texture>> textures;
};
