#include "engine/InputQueue.h"
#include "engine/StringConversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// An SDL event of this type: a key (Escape), a button (`button` at x, y) or a motion (to x, y).
SDL_Event input(Uint8 type, int x = 0, int y = 0, Uint8 button = 0)
{
    SDL_Event event{};
    event.type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP)
        event.key.keysym.sym = SDLK_ESCAPE;
    else if (type == SDL_MOUSEMOTION)
        event.motion = SDL_MouseMotionEvent{type, 0, 0, Uint16(x), Uint16(y), 0, 0};
    else
        event.button = SDL_MouseButtonEvent{type, 0, button, 0, Uint16(x), Uint16(y)};
    return event;
}

// "type:param,..." of every event handed out, oldest first, its numbers read back as the game does.
std::vector<std::string> drain(InputQueue& queue)
{
    std::vector<std::string> out;
    while (std::optional<Event> next = queue.pop())
    {
        std::string text = std::to_string(next->type) + ":";
        for (unsigned i = 0; i < next->getParameterCount(); ++i)
            text += (i ? "," : "") + std::to_string(stringToInt(next->getParameter(i)));
        out.push_back(text);
    }
    return out;
}
} // namespace

TEST(InputQueue, TranslatesEachKindInPictureCoordinatesRoundedDownAndMergesOnlyMotionsInARow)
{
    InputQueue queue;
    queue.setPicturePlacement(PicturePlacement{0, 0, 2});
    SDL_Event typed = input(SDL_KEYDOWN);
    typed.key.keysym.unicode = 'A';
    typed.key.keysym.mod = KMOD_LSHIFT;
    for (const SDL_Event& event :
         {typed, input(SDL_KEYUP), input(SDL_ACTIVEEVENT), input(SDL_MOUSEBUTTONDOWN, 0, 1, SDL_BUTTON_LEFT),
          input(SDL_MOUSEMOTION, 2, 2), input(SDL_MOUSEMOTION, 801, 203),
          input(SDL_MOUSEBUTTONUP, 1599, 1199, SDL_BUTTON_RIGHT), input(SDL_MOUSEMOTION, 4, 4),
          input(SDL_MOUSEMOTION, 6, 7)})
        queue.push(event);
    EXPECT_FALSE(queue.isQuitRequested());
    queue.push(input(SDL_QUIT));

    // Key down with its character and modifiers, key up, mouse down, motion, mouse up, motion; the window's
    // own events are not input.
    EXPECT_EQ(drain(queue), (std::vector<std::string>{"0:27,65,1", "1:27", "2:0,0,1", "4:400,101",
                                                      "3:799,599,3", "4:3,3"}));
    EXPECT_TRUE(queue.isQuitRequested());
    EXPECT_TRUE(queue.takeExposed()) << "the window was shown again";
}

TEST(InputQueue, NotesWhatConcernsTheWindowAndMapsAnyPlacementOntoThePicture)
{
    InputQueue queue;
    // A 1920x1080 screen: the picture 1440 wide from x 240, scaled 1.8.
    queue.setPicturePlacement(PicturePlacement{240, 0, 1.8f});
    SDL_Event f11 = input(SDL_KEYDOWN), altEnter = input(SDL_KEYDOWN), enter = input(SDL_KEYDOWN);
    f11.key.keysym.sym = SDLK_F11;
    altEnter.key.keysym.sym = enter.key.keysym.sym = SDLK_RETURN;
    altEnter.key.keysym.mod = KMOD_LALT;
    SDL_Event resize{}, minimised{}, focusGained{};
    resize.resize = SDL_ResizeEvent{SDL_VIDEORESIZE, 1024, 700};
    minimised.active = SDL_ActiveEvent{SDL_ACTIVEEVENT, 0, SDL_APPACTIVE};
    focusGained.active = SDL_ActiveEvent{SDL_ACTIVEEVENT, 1, SDL_APPINPUTFOCUS};
    for (const SDL_Event& event : {f11, altEnter, enter, resize, minimised, focusGained,
                                   input(SDL_MOUSEBUTTONUP, 240, 1079, 1), input(SDL_MOUSEMOTION, 239, 0)})
        queue.push(event);

    EXPECT_EQ(drain(queue), (std::vector<std::string>{"0:13,0,0", "12:", "3:0,599,1", "4:-1,0"}));
    EXPECT_TRUE(queue.takeFullscreenToggle());
    EXPECT_FALSE(queue.takeFullscreenToggle()) << "taken once";
    EXPECT_EQ(queue.takeResize(), std::make_pair(1024, 700));
    EXPECT_FALSE(queue.takeResize());
    EXPECT_TRUE(queue.takeExposed());
}
