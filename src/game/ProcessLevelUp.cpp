#include "game/ProcessLevelUp.h"

ProcessLevelUp::ProcessLevelUp() : TimedOverlay("LEVEL COMPLETE!!", 270, 300, durationMilliseconds) {}
