#include "engine/ProcessManager.h"

void ProcessManager::handleEvent(Event&) {}
