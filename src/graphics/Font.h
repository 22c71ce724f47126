#pragma once

#include "engine/Object.h"

#include <string>

// The bitmap font that draws every text of the game. Core creates the one font at start-up.
class Font : public Object
{
public:
    Font(std::string texture, std::string characters);
};
