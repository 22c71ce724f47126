#pragma once

#include "engine/ReferenceCounter.h"

// The common base of every engine class. Interface-like bases (EventListener, Drawable) derive from it
// virtually, so a class built on both still carries exactly one Object and one count.
class Object : public ReferenceCounter
{
};
