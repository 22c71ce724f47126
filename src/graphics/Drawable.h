#pragma once

#include "engine/Object.h"

// Anything the frame draws with OpenGL in the 800 by 600 play-field projection (y up). Derives from Object
// virtually so that a widget, which is also an EventListener, has one count.
class Drawable : public virtual Object
{
public:
    virtual void draw() = 0;
};
