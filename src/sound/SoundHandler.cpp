#include "sound/SoundHandler.h"

void SoundHandler::playMusic(const std::string&)
{
}

void SoundHandler::playSound(const std::string&)
{
}

void SoundHandler::loadSound(const std::string&)
{
}

void SoundHandler::update()
{
}
