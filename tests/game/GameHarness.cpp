#include "game/GameHarness.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/ProcessManager.h"
#include "engine/StringConversion.h"
#include "graphics/Interface.h"
#include "support/CoreAccess.h"
#include "widgets/Label.h"
#include "widgets/TextButton.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
// Where each caption's button stands, in play-field coordinates, as the screens lay them out.
struct ButtonPlace
{
    const char* caption;
    int x;
    int y;
};
const ButtonPlace buttonPlaces[] = {{"NEW GAME", 400, 380},     {"CONTINUE", 400, 340},
                                    {"INSTRUCTIONS", 400, 300}, {"QUIT", 400, 260},
                                    {"BACK", 736, 30},          {"RESTART LEVEL", 680, 36}};
} // namespace

void GameHarness::SetUp()
{
    CoreFixture::SetUp();
    writeLevel("bg.txt", "GRAVBODY 400 300 40 0 ./graphics/planet.png 1\n");
    workingFolder = std::make_unique<ScopedWorkingFolder>(folder.path());
    Core::instance()->init();
}

void GameHarness::TearDown()
{
    CoreFixture::TearDown();
    workingFolder.reset();
}

void GameHarness::writeLevel(const std::string& name, const std::string& content)
{
    folder.write("levels/" + name, content);
}

std::string GameHarness::quickLevel()
{
    return "GENERATOR 100 290 5 0 40\n"
           "GENERATOR 100 300 5 0 40\n"
           "GENERATOR 100 310 5 0 40\n"
           "GRAVBODY 400 300 40 0 ./graphics/planet.png 2\n"
           "//REMARKS a test level that completes by itself\n";
}

void GameHarness::frame(std::uint32_t milliseconds)
{
    clock.advance(milliseconds);
    Core::instance()->update();
}

void GameHarness::frames(int count)
{
    for (int i = 0; i < count; ++i)
        frame();
}

bool GameHarness::runUntil(const std::function<bool()>& condition, int maxFrames)
{
    for (int i = 0; i < maxFrames; ++i)
    {
        if (condition())
            return true;
        frame();
    }
    return condition();
}

void GameHarness::postMouse(int type, int x, int y, int button)
{
    Event event(type);
    event.addParameter(intToString(x));
    event.addParameter(intToString(600 - y));
    if (type != MouseMove)
        event.addParameter(intToString(button));
    Core::instance()->getEventManager()->post(event);
    frame();
}

void GameHarness::click(int x, int y, int button)
{
    postMouse(MouseMove, x, y);
    postMouse(MouseDown, x, y, button);
    postMouse(MouseUp, x, y, button);
}

void GameHarness::clickButton(const std::string& caption)
{
    for (const ButtonPlace& place : buttonPlaces)
        if (caption == place.caption)
        {
            ASSERT_TRUE(findButton(place.x, place.y)) << "no button under " << caption;
            click(place.x, place.y);
            return;
        }
    FAIL() << "unknown button " << caption;
}

void GameHarness::releaseKey(int key)
{
    Event event(KeyUp);
    event.addParameter(intToString(key));
    Core::instance()->getEventManager()->post(event);
    frame();
}

void GameHarness::pressKey(int key)
{
    Event event(KeyDown);
    event.addParameter(intToString(key));
    Core::instance()->getEventManager()->post(event);
    frame();
}

Handle<Process> GameHarness::screen() const
{
    const auto top = CoreAccess::root()->getChildren();
    if (top.empty() || top.front()->getChildren().empty())
        return nullptr;
    return top.front()->getChildren().back();
}

Handle<Process> GameHarness::phase() const
{
    Handle<Process> game = screen();
    if (!game || game->getChildren().empty())
        return nullptr;
    return game->getChildren().back();
}

std::vector<std::string> GameHarness::labelTexts() const
{
    std::vector<std::string> texts;
    for (const Handle<Widget>& widget : Core::instance()->getInterface()->getWidgets())
        if (auto* label = dynamic_cast<Label*>(widget.get()))
            texts.insert(texts.end(), label->getLines().begin(), label->getLines().end());
    return texts;
}

bool GameHarness::onScreen(const std::string& text) const
{
    const std::vector<std::string> texts = labelTexts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

Handle<TextButton> GameHarness::findButton(int x, int y) const
{
    for (const Handle<Widget>& widget : Core::instance()->getInterface()->getWidgets())
        if (auto* button = dynamic_cast<TextButton*>(widget.get()))
            if (button->contains(static_cast<float>(x), static_cast<float>(y)))
                return button;
    return nullptr;
}

std::string GameHarness::saveFileContent() const
{
    std::ifstream in(folder.file("levels/save.txt"));
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

bool GameHarness::saveFileExists() const
{
    return std::filesystem::exists(folder.file("levels/save.txt"));
}
