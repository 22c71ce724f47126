#pragma once

#include "graphics/Drawable.h"

// The layer of widgets drawn over the world every frame. Core owns the one interface.
class Interface : public Drawable
{
public:
    void draw() override;
};
