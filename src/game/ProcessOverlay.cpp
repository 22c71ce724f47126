#include "game/ProcessOverlay.h"

#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "graphics/Interface.h"
#include "widgets/Label.h"

namespace
{
constexpr float labelScale = 1.2f;
const Vector3 labelColour(1, 0, 1);
} // namespace

ProcessOverlay::ProcessOverlay() = default;

ProcessOverlay::~ProcessOverlay() = default;

void ProcessOverlay::stop()
{
    Core::instance()->getInterface()->removeWidget(label);
    Core::instance()->getEventManager()->removeListener(this, Tick);
    Process::stop();
}

void ProcessOverlay::listenForTicks()
{
    Core::instance()->getEventManager()->addListener(this, Tick);
}

void ProcessOverlay::showLabel(const std::string& text, float x, float y)
{
    label = new Label(text, labelScale, labelScale, Vector3(x, y, 0), labelColour);
    Core::instance()->getInterface()->addWidget(label);
}

void ProcessOverlay::setLabelText(const std::string& text)
{
    label->setText(text);
}
