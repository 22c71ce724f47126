#pragma once

#include <cstddef>
#include <optional>
#include <string>

// One heart the player places: its kind and its place in field units (x to the right, y upwards, as
// World::placeHeart takes them).
struct HeartPlacement
{
    // The index of the kind of that name in HeartKinds, or nothing.
    static std::optional<std::size_t> kindNamed(const std::string& name);
    static const char* nameOf(std::size_t kind);
    // Every kind's name, for messages: "light or dark".
    static std::string kindNames();

    // An index of HeartKinds.
    std::size_t kind = 0;
    int x = 0;
    int y = 0;
};
