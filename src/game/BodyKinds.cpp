#include "game/BodyKinds.h"

std::size_t BodyKinds::withPicture(const std::string& picture)
{
    for (std::size_t kind = 0; kind < count; ++kind)
        if (picture == all[kind].picture)
            return kind;
    return none;
}
