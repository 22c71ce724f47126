#include "engine/InputQueue.h"
#include "engine/EventType.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
SDL_Event motion(int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

SDL_Event button(Uint8 type, int x, int y, Uint8 number)
{
    SDL_Event event{};
    event.type = type;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    event.button.button = number;
    return event;
}

SDL_Event key(Uint8 type, SDLKey symbol)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = symbol;
    return event;
}

// "type:param,param,..." of every event the queue hands out, oldest first.
std::vector<std::string> drain(InputQueue& queue)
{
    std::vector<std::string> out;
    while (std::optional<Event> next = queue.pop())
    {
        std::string text = std::to_string(next->type) + ":";
        for (unsigned i = 0; i < next->getParameterCount(); ++i)
            text += (i ? "," : "") + next->getParameter(i);
        out.push_back(text);
    }
    return out;
}
} // namespace

TEST(InputQueue, TranslatesEachKindOfInputWithItsDecimalParameters)
{
    InputQueue queue;
    queue.push(key(SDL_KEYDOWN, SDLK_ESCAPE));
    queue.push(key(SDL_KEYUP, SDLK_ESCAPE));
    queue.push(button(SDL_MOUSEBUTTONDOWN, 0, 0, SDL_BUTTON_LEFT));
    queue.push(button(SDL_MOUSEBUTTONUP, 799, 599, SDL_BUTTON_RIGHT));
    queue.push(motion(400, 100));

    EXPECT_EQ(drain(queue),
              (std::vector<std::string>{"0:27", "1:27", "2:0,0,1", "3:799,599,3", "4:400,100"}));
}

TEST(InputQueue, ClosingTheWindowIsNotedAndOtherKindsAreIgnored)
{
    InputQueue queue;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_Event focus{};
    focus.type = SDL_ACTIVEEVENT;
    queue.push(focus);
    EXPECT_FALSE(queue.isQuitRequested());
    queue.push(quit);
    EXPECT_TRUE(queue.isQuitRequested());
    EXPECT_EQ(queue.size(), 0u);
}

TEST(InputQueue, KeepsTheOrderAndMergesOnlyMotionsThatFollowEachOther)
{
    InputQueue queue;
    queue.push(motion(1, 1));
    queue.push(motion(2, 2));
    queue.push(button(SDL_MOUSEBUTTONDOWN, 2, 2, 1));
    queue.push(motion(3, 3));
    queue.push(button(SDL_MOUSEBUTTONUP, 3, 3, 1));
    queue.push(motion(4, 4));
    queue.push(motion(5, 5));

    EXPECT_EQ(drain(queue), (std::vector<std::string>{"4:2,2", "2:2,2,1", "4:3,3", "3:3,3,1", "4:5,5"}));
}
