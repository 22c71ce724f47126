#include "HeartPlacement.h"

std::optional<HeartPlacement::Kind> HeartPlacement::kindNamed(const std::string& name)
{
    const std::size_t kind = HeartKinds::named(name);
    if (kind == HeartKinds::none)
        return std::nullopt;
    return kind;
}

const char* HeartPlacement::nameOf(Kind kind)
{
    return HeartKinds::all[kind].name;
}

std::string HeartPlacement::kindNames()
{
    std::string names;
    for (const Kind kind : kinds)
    {
        if (kind > 0)
            names += kind + 1 == kinds.size() ? " or " : ", ";
        names += nameOf(kind);
    }
    return names;
}

bool HeartPlacement::isPlaceable() const
{
    return LevelRules::isPlaceable(x, y);
}
