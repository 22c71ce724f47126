#pragma once

#include "engine/Handle.h"
#include "engine/Object.h"

#include <optional>

struct GameSetup;
class Camera;
class EventManager;
class Font;
class Interface;
class ProcessManager;
class SoundHandler;
class TextureManager;
class World;

// The engine singleton: it owns one of every manager and shared resource for the whole run and hands
// them out by handle. It is the one Object never held by a handle; the main loop creates it through
// instance() and destroys it with destroy() at exit.
// Core (with its main loop) is the one place where the engine reaches up through the layers, to the
// graphics managers, the sound handler and the World it owns; the game above them is handed to init(). Every
// other engine file includes only the engine and the platform, so the layers above can build on it.
class Core : public Object
{
public:
    // The singleton, created on first use. Takes no reference.
    static Core* instance();
    // Deletes the singleton, if any; instance() afterwards makes a new one.
    static void destroy();
    // The singleton if it exists, else null; makes none.
    static Core* existing();

    Handle<EventManager> getEventManager() const;
    Handle<TextureManager> getTextureManager() const;
    Handle<Font> getFont() const;
    Handle<SoundHandler> getSoundHandler() const;
    Handle<World> getWorld() const;
    Handle<Interface> getInterface() const;

    // Loads the shared resources the setup names and starts the root game process it makes; once, with the
    // window open.
    void init(const GameSetup& setup);
    // One frame's delivery of every queued event, alternating with the reaping of finished processes,
    // then the sound update; clears `running` when the process tree has become empty.
    void update();

    // Whether the window is full screen, as the main loop last made it; and a wish for it to be (or not),
    // which the main loop grants after the frame's update.
    bool isFullscreen() const;
    void requestFullscreen(bool fullscreen);

private:
    Core();
    ~Core() override;

    // The main loop reads `running` and reaches the root; tests drive the root the same way.
    friend class MainLoop;
    friend class CoreAccess;

    Handle<EventManager> eventManager;
    Handle<ProcessManager> processManager;
    Handle<TextureManager> textureManager;
    Handle<Camera> camera;
    Handle<SoundHandler> soundHandler;
    Handle<World> world;
    Handle<Font> font;
    Handle<Interface> interface;
    bool running = false;
    bool fullscreen = false;
    std::optional<bool> fullscreenWish;

    static Core* singleton;
};
