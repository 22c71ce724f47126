#include "game/ProcessPlay.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/ScreenLayout.h"
#include "graphics/PlayField.h"
#include "world/HeartKinds.h"
#include "world/LevelRules.h"
#include "world/World.h"

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
    // A phase ended during a pause must not leave the next one's field frozen.
    resume();
    Process::stop();
}

void ProcessPlay::handleEvent(Event& event)
{
    if (event.type == MouseUp && !Core::instance()->getWorld()->isPaused())
        placeHeart(event);
    else if (event.type == Tick)
    {
        checkGoal();
        checkFlowOver();
    }
}

void ProcessPlay::pause()
{
    Core::instance()->getWorld()->pause();
}

void ProcessPlay::resume()
{
    Core::instance()->getWorld()->resume();
}

void ProcessPlay::placeHeart(const Event& mouseUp)
{
    const int x = stringToInt(mouseUp.getParameter(0));
    const int y = PlayField::yFromWindow(stringToInt(mouseUp.getParameter(1)));
    const std::size_t kind = HeartKinds::placedBy(stringToInt(mouseUp.getParameter(2)));
    if (kind == HeartKinds::none || !LevelRules::isPlaceable(x, y))
        return;
    const HeartKind& heart = HeartKinds::all[kind];
    Core::instance()->getWorld()->placeHeart(x, y, LevelRules::heartRadius, heart.strength, heart.picture);
}

void ProcessPlay::checkGoal()
{
    // The goal is reported once: the process is reaped at the end of this delivery pass.
    if (finished || !LevelRules::isWon(*Core::instance()->getWorld()))
        return;
    Event reached(LevelGoalReached);
    Core::instance()->getEventManager()->post(reached);
    finished = true;
}

void ProcessPlay::checkFlowOver()
{
    if (finished || outOfParticles.isShown() || !LevelRules::isLost(*Core::instance()->getWorld()))
        return;
    outOfParticles.addLine(outOfParticlesText, ScreenLayout::outOfParticlesScale,
                           ScreenLayout::outOfParticlesColour);
    outOfParticles.show(ScreenLayout::outOfParticlesTop);
}
