#include "game/ProcessIntro.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/GameFiles.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "platform/Clock.h"
#include "widgets/Image.h"

void ProcessIntro::start()
{
    Process::start();
    Core::instance()->getInterface()->clear();
    Core::instance()->getEventManager()->addListener(this, Tick);
    Core::instance()->getInterface()->addWidget(
        new Image(GameFiles::logoPicture, ScreenLayout::logoOpacity, ScreenLayout::logoCentre));
    startTime = platform::sdlTicks();
}

void ProcessIntro::stop()
{
    Core::instance()->getEventManager()->removeListener(this, Tick);
    Process::stop();
}

void ProcessIntro::handleEvent(Event& event)
{
    if (event.type == Tick && platform::sdlTicks() - startTime >= durationMilliseconds)
        finished = true;
}
