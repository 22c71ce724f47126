#pragma once

#include "world/GravBody.h"

#include <cstddef>
#include <iterator>
#include <string>

// One kind of gravity body as the editor offers it: a picture of the game's and what a new body of the
// kind starts with.
struct BodyKind
{
    // Its word on the editor's buttons.
    const char* name;
    const char* picture;
    // In field units, units^3 per step^2 and degrees per step, as GravBody has them.
    float radius;
    float strength;
    float spin;
};

// The kinds of body the shipped levels are made of, in the order the editor shows them; a body of any other
// picture, written by hand, keeps it until the player chooses a kind.
class BodyKinds
{
public:
    static constexpr BodyKind all[] = {
        {"PLANET", GravBody::planetPicture, 40, 40, 0.2f},
        {"ROCK", "./graphics/asteroid.png", 30, 5, 0.5f},
        {"PULSAR", "./graphics/pulsar.png", 26, -150, 1},
        {"BLACK HOLE", "./graphics/blackhole.png", 34, 200, -1.2f},
    };
    static constexpr std::size_t count = std::size(all);
    static constexpr std::size_t none = count;

    // The index of the kind drawn with that picture, or none.
    static std::size_t withPicture(const std::string& picture);
};
