#include "engine/Core.h"

#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/GameSetup.h"
#include "engine/ProcessManager.h"
#include "graphics/Camera.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "graphics/TextureManager.h"
#include "platform/Clock.h"
#include "sound/SoundHandler.h"
#include "world/World.h"

#include <cstdlib>

Core* Core::singleton = nullptr;

Core* Core::instance()
{
    if (!singleton)
        singleton = new Core();
    return singleton;
}

Core* Core::existing()
{
    return singleton;
}

void Core::destroy()
{
    // The destructor still posts through instance(), so the pointer is cleared only afterwards.
    delete singleton;
    singleton = nullptr;
}

Core::Core()
    : eventManager(new EventManager()), processManager(new ProcessManager()),
      textureManager(new TextureManager()), camera(new Camera()), soundHandler(new SoundHandler()),
      world(new World()), interface(new Interface())
{
}

Core::~Core()
{
    eventManager->removeListener(world, Tick);
    soundHandler = nullptr;
    camera = nullptr;
    textureManager = nullptr;
    processManager->stop();
    processManager = nullptr;
    eventManager = nullptr;
    interface = nullptr;
    font = nullptr;
    world = nullptr;
}

Handle<EventManager> Core::getEventManager() const
{
    return eventManager;
}

Handle<TextureManager> Core::getTextureManager() const
{
    return textureManager;
}

Handle<Font> Core::getFont() const
{
    return font;
}

Handle<SoundHandler> Core::getSoundHandler() const
{
    return soundHandler;
}

Handle<World> Core::getWorld() const
{
    return world;
}

Handle<Interface> Core::getInterface() const
{
    return interface;
}

void Core::init(const GameSetup& setup)
{
    running = true;
    std::srand(static_cast<unsigned>(platform::calendarSeconds()));
    world->load(setup.backgroundLevel);
    font = new Font(setup.fontPicture, Font::gameAlphabet);
    processManager->start();
    soundHandler->playMusic(setup.music);
    soundHandler->loadSound(setup.clickSound);
    // Reached through the singleton when a heart is placed, long after start-up.
    world->setClickPlayer([click = setup.clickSound]
                          { Core::instance()->getSoundHandler()->playSound(click); });
    processManager->addChild(setup.makeRoot());
}

bool Core::isFullscreen() const
{
    return fullscreen;
}

void Core::requestFullscreen(bool wanted)
{
    fullscreenWish = wanted;
}

void Core::update()
{
    Event tick(Tick);
    eventManager->post(tick);
    while (eventManager->hasQueuedEvents())
    {
        eventManager->dispatchAll();
        processManager->removeFinished();
    }
    soundHandler->update();
    if (processManager->getChildren().empty())
        running = false;
}
