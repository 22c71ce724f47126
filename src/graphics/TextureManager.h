#pragma once

#include "engine/Object.h"

// The cache of OpenGL textures by file name. Core owns the one manager.
class TextureManager : public Object
{
};
