#pragma once

#include "engine/Handle.h"

class Font;
class ProcessManager;

// What the main loop reaches inside Core and nobody else does: the root of the process tree and the
// running flag; and the font, which tests of single widgets give Core without starting the whole game.
class CoreAccess
{
public:
    static Handle<ProcessManager> root();
    static bool isRunning();
    static void setFont(Handle<Font> font);
};
