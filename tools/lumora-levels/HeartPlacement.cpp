#include "HeartPlacement.h"

std::optional<HeartPlacement::Kind> HeartPlacement::kindNamed(const std::string& name)
{
    if (name == "light")
        return Kind::Light;
    if (name == "dark")
        return Kind::Dark;
    return std::nullopt;
}

const char* HeartPlacement::nameOf(Kind kind)
{
    return kind == Kind::Light ? "light" : "dark";
}
