#include "world/HeartKinds.h"

namespace
{
template <typename Matches>
std::size_t firstKind(Matches matches)
{
    for (std::size_t kind = 0; kind < HeartKinds::count; ++kind)
        if (matches(HeartKinds::all[kind]))
            return kind;
    return HeartKinds::none;
}
} // namespace

std::size_t HeartKinds::named(const std::string& name)
{
    return firstKind([&name](const HeartKind& kind) { return name == kind.name; });
}

std::size_t HeartKinds::withPicture(const std::string& picture)
{
    return firstKind([&picture](const HeartKind& kind) { return picture == kind.picture; });
}

std::size_t HeartKinds::placedBy(int mouseButton)
{
    return firstKind([mouseButton](const HeartKind& kind) { return mouseButton == kind.mouseButton; });
}

int HeartKinds::totalSupply()
{
    int total = 0;
    for (const HeartKind& kind : all)
        total += kind.supply;
    return total;
}
