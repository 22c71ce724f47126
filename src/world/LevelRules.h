#pragma once

// The rules every level is played by, read alike by the game's screens and by the level tool: the goal, the
// supply of hearts, and what each kind of heart is as a body.
class LevelRules
{
public:
    // Particles the planets must capture to complete a level; also the meter's full scale.
    static constexpr int goal = 70;
    // Light hearts, and as many dark hearts, that each load gives the player.
    static constexpr int heartsPerKind = 5;
    // Every heart's radius, in field units.
    static constexpr float heartRadius = 20;
    // How hard a heart pulls (light) or pushes (dark), in units^3 per step^2.
    static constexpr float heartPull = 150;
    enum class Heart
    {
        Light,
        Dark
    };

    // The picture of a heart of that kind; the world tells a heart's kind, and so its supply, by it.
    static const char* pictureOf(Heart kind);
    // The signed strength a heart of that kind is placed with: positive pulls, negative pushes.
    static float strengthOf(Heart kind);
};
