#include "game/GameHarness.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/ProcessManager.h"
#include "engine/StringConversion.h"
#include "game/ButtonId.h"
#include "graphics/Interface.h"
#include "graphics/PlayField.h"
#include "support/CoreAccess.h"
#include "widgets/Label.h"
#include "widgets/TextButton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace
{
// A field point on each button's caption, as the screens lay them out.
struct ButtonPoint
{
    int x;
    int y;
};
ButtonPoint buttonPoint(int buttonId)
{
    switch (buttonId)
    {
    case NewGame:
        return {400, 380};
    case Continue:
        return {400, 340};
    case Instructions:
        return {400, 300};
    case Quit:
        return {400, 260};
    case Back:
        return {736, 30};
    default:
        return {680, 36};
    }
}
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
    return "GENERATOR 100 290 5 0 24\nGENERATOR 100 300 5 0 23\nGENERATOR 100 310 5 0 23\n"
           "GRAVBODY 400 300 40 0 ./graphics/planet.png 2\n"
           "//REMARKS\nTITLE Quick\nHINT A test level that completes by itself\n";
}

void GameHarness::frame(std::uint32_t milliseconds)
{
    clock.advance(milliseconds);
    Core::instance()->update();
}

void GameHarness::wait(std::uint32_t milliseconds)
{
    for (std::uint32_t waited = 0; waited < milliseconds; waited += frameMilliseconds)
        frame();
}

bool GameHarness::waitUntil(const std::function<bool()>& condition, std::uint32_t milliseconds)
{
    for (std::uint32_t waited = 0; waited < milliseconds; waited += frameMilliseconds)
    {
        if (condition())
            return true;
        frame();
    }
    return condition();
}

void GameHarness::mouse(int type, int x, int y, int button)
{
    Event event(type);
    event.addParameter(intToString(x));
    event.addParameter(intToString(PlayField::height - y));
    if (type != MouseMove)
        event.addParameter(intToString(button));
    Core::instance()->getEventManager()->post(event);
    frame();
}

void GameHarness::click(int x, int y, int button)
{
    mouse(MouseMove, x, y);
    mouse(MouseDown, x, y, button);
    mouse(MouseUp, x, y, button);
}

void GameHarness::clickButton(int buttonId)
{
    const ButtonPoint point = buttonPoint(buttonId);
    ASSERT_TRUE(buttonAt(point.x, point.y)) << "no button " << buttonId << " on screen";
    click(point.x, point.y);
}

void GameHarness::key(int type, int keyCode)
{
    Event event(type);
    event.addParameter(intToString(keyCode));
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

Handle<TextButton> GameHarness::buttonAt(int x, int y) const
{
    for (const Handle<Widget>& widget : Core::instance()->getInterface()->getWidgets())
        if (auto* button = dynamic_cast<TextButton*>(widget.get()))
            if (button->contains(static_cast<float>(x), static_cast<float>(y)))
                return button;
    return nullptr;
}

std::string GameHarness::saveFile() const
{
    std::ifstream in(folder.file("levels/save.txt"));
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}
