#include "game/ProcessIntro.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "game/GameFiles.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "platform/Clock.h"
#include "widgets/Image.h"

void ProcessIntro::start()
{
    Process::start();
    Core::instance()->getInterface()->clear();
    listen(Tick);
    Core::instance()->getInterface()->addWidget(
        new Image(GameFiles::logoPicture, ScreenLayout::logoOpacity, ScreenLayout::logoCentre));
    startTime = platform::sdlTicks();
}

void ProcessIntro::handleEvent(Event& event)
{
    if (event.type == Tick && platform::sdlTicks() - startTime >= durationMilliseconds)
        finished = true;
}
