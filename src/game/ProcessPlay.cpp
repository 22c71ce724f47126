#include "game/ProcessPlay.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/ScreenLayout.h"
#include "graphics/PlayField.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <SDL.h>

void ProcessPlay::start()
{
    Process::start();
    listen(Tick);
    listen(MouseUp);
    listen(Tick, Core::instance()->getWorld());
}

void ProcessPlay::stop()
{
    outOfParticles.hide();
    Process::stop();
}

void ProcessPlay::handleEvent(Event& event)
{
    if (event.type == MouseUp)
        placeHeart(event);
    else if (event.type == Tick)
    {
        checkGoal();
        checkFlowOver();
    }
}

void ProcessPlay::placeHeart(const Event& mouseUp)
{
    const int x = stringToInt(mouseUp.getParameter(0));
    const int y = PlayField::yFromWindow(stringToInt(mouseUp.getParameter(1)));
    const int button = stringToInt(mouseUp.getParameter(2));
    if (y <= ScreenLayout::bottomBarTop)
        return;
    Handle<World> world = Core::instance()->getWorld();
    if (button == SDL_BUTTON_LEFT)
        world->placeHeart(x, y, LevelRules::heartRadius, LevelRules::strengthOf(LevelRules::Heart::Light),
                          LevelRules::pictureOf(LevelRules::Heart::Light));
    else if (button == SDL_BUTTON_RIGHT)
        world->placeHeart(x, y, LevelRules::heartRadius, LevelRules::strengthOf(LevelRules::Heart::Dark),
                          LevelRules::pictureOf(LevelRules::Heart::Dark));
}

void ProcessPlay::checkGoal()
{
    // The goal is reported once: the process is reaped at the end of this delivery pass.
    if (finished || Core::instance()->getWorld()->getCapturedCount() < LevelRules::goal)
        return;
    Event reached(LevelGoalReached);
    Core::instance()->getEventManager()->post(reached);
    finished = true;
}

void ProcessPlay::checkFlowOver()
{
    Handle<World> world = Core::instance()->getWorld();
    if (finished || outOfParticles.isShown() || !world->isFlowOver() ||
        world->getCapturedCount() >= LevelRules::goal)
        return;
    outOfParticles.addLine(outOfParticlesText, ScreenLayout::outOfParticlesScale,
                           ScreenLayout::outOfParticlesColour);
    outOfParticles.show(ScreenLayout::outOfParticlesTop);
}
