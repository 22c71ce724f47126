#include "HeartPlacement.h"

#include "world/World.h"

std::optional<HeartPlacement::Kind> HeartPlacement::kindNamed(const std::string& name)
{
    for (const Kind kind : kinds)
        if (name == nameOf(kind))
            return kind;
    return std::nullopt;
}

const char* HeartPlacement::nameOf(Kind kind)
{
    return kind == Kind::Light ? "light" : "dark";
}

bool HeartPlacement::isPlaceable() const
{
    return x >= 0 && x < World::fieldWidth && y >= lowestY && y < World::fieldHeight;
}
