#include "graphics/Interface.h"

#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "graphics/PictureLook.h"

namespace
{
constexpr int mouseEventTypes[] = {MouseMove, MouseDown, MouseUp};
}

void Interface::addWidget(Handle<Widget> widget)
{
    widgets.push_back(widget);
    Handle<EventManager> eventManager = Core::instance()->getEventManager();
    for (int type : mouseEventTypes)
        eventManager->addListener(widget, type);
}

void Interface::removeWidget(Handle<Widget> widget)
{
    Handle<EventManager> eventManager = Core::instance()->getEventManager();
    for (auto entry = widgets.begin(); entry != widgets.end();)
    {
        if (*entry != widget)
        {
            ++entry;
            continue;
        }
        for (int type : mouseEventTypes)
            eventManager->removeListener(widget, type);
        entry = widgets.erase(entry);
    }
}

void Interface::clear()
{
    while (!widgets.empty())
        removeWidget(widgets.front());
}

void Interface::draw()
{
    for (Handle<Widget>& widget : widgets)
        widget->draw();
}

void Interface::appendLook(PictureLook& look) const
{
    look.add(static_cast<int>(widgets.size()));
    for (const Handle<Widget>& widget : widgets)
    {
        const Widget* identity = widget.get();
        look.add(&identity, sizeof identity);
        widget->appendLook(look);
    }
}

std::list<Handle<Widget>> Interface::getWidgets() const
{
    return widgets;
}
