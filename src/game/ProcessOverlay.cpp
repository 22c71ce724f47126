#include "game/ProcessOverlay.h"

#include "engine/Core.h"
#include "engine/EventType.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "widgets/Label.h"

ProcessOverlay::ProcessOverlay() = default;

ProcessOverlay::~ProcessOverlay() = default;

void ProcessOverlay::stop()
{
    Core::instance()->getInterface()->removeWidget(label);
    Process::stop();
}

void ProcessOverlay::listenForTicks()
{
    listen(Tick);
}

void ProcessOverlay::showLabel(const std::string& text, float x, float y)
{
    label = new Label(text, ScreenLayout::overlayScale, ScreenLayout::overlayScale, Vector3(x, y, 0),
                      ScreenLayout::overlayColour);
    Core::instance()->getInterface()->addWidget(label);
}

void ProcessOverlay::setLabelText(const std::string& text)
{
    label->setText(text);
}
