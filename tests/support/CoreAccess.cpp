#include "support/CoreAccess.h"

#include "engine/Core.h"
#include "engine/ProcessManager.h"
#include "graphics/Font.h"

Handle<ProcessManager> CoreAccess::root()
{
    return Core::instance()->processManager;
}

bool CoreAccess::isRunning()
{
    return Core::instance()->running;
}

void CoreAccess::setFont(Handle<Font> font)
{
    Core::instance()->font = font;
}
