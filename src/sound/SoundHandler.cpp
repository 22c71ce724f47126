#include "sound/SoundHandler.h"

void SoundHandler::update()
{
}
