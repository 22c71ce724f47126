#pragma once

#include "engine/Handle.h"

class ProcessManager;

// What the main loop reaches inside Core and nobody else does: the root of the process tree and the
// running flag. Tests drive the tree through it.
class CoreAccess
{
public:
    static Handle<ProcessManager> root();
    static bool isRunning();
    static void setRunning(bool running);
};
