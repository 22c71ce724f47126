#include "HeartPlacement.h"

#include "world/HeartKinds.h"

std::optional<std::size_t> HeartPlacement::kindNamed(const std::string& name)
{
    const std::size_t kind = HeartKinds::named(name);
    if (kind == HeartKinds::none)
        return std::nullopt;
    return kind;
}

const char* HeartPlacement::nameOf(std::size_t kind)
{
    return HeartKinds::all[kind].name;
}

std::string HeartPlacement::kindNames()
{
    std::string names;
    for (std::size_t kind = 0; kind < HeartKinds::count; ++kind)
    {
        if (kind > 0)
            names += kind + 1 == HeartKinds::count ? " or " : ", ";
        names += nameOf(kind);
    }
    return names;
}
