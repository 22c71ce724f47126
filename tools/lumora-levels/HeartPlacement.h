#pragma once

#include "world/HeartKinds.h"
#include "world/LevelRules.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

// One heart the player places: its kind and its place in field units (x to the right, y upwards, as
// World::placeHeart takes them).
struct HeartPlacement
{
    // The lowest row a player can place a heart in, in units: the game refuses one on the bar.
    static constexpr int lowestY = LevelRules::lowestHeartY;

    // A kind is its index in HeartKinds.
    using Kind = std::size_t;
    // Every kind of heart, in the order of HeartKinds.
    static constexpr std::array<Kind, HeartKinds::count> kinds = []
    {
        std::array<Kind, HeartKinds::count> all{};
        for (std::size_t kind = 0; kind < all.size(); ++kind)
            all[kind] = kind;
        return all;
    }();

    // The kind that nameOf calls `name`; nothing for any other word.
    static std::optional<Kind> kindNamed(const std::string& name);
    static const char* nameOf(Kind kind);
    // Every kind's name, for messages: "light or dark".
    static std::string kindNames();

    // Whether a player can place it: inside the field and above the bar.
    bool isPlaceable() const;

    Kind kind = 0;
    int x = 0;
    int y = 0;
};
