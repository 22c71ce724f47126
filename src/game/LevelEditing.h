#pragma once

#include "world/LevelDraft.h"
#include "world/Vector3.h"

#include <cstddef>
#include <string>
#include <vector>

// The editing of one level, apart from the screen: the draft, which of its generators or bodies is chosen,
// and the earlier states that undo brings back. The editor hands it field points (units, y up) and steps;
// every change keeps the level within the field and the values within the ranges the shipped levels use.
class LevelEditing
{
public:
    // A value's lowest and highest and the step between its values.
    struct Range
    {
        float lowest;
        float highest;
        float step;
    };
    static constexpr Range particleRange{25, 250, 5};
    // Units per step.
    static constexpr Range speedRange{0, 3, 0.1f};
    static constexpr Range radiusRange{20, 70, 2};
    static constexpr Range strengthRange{-400, 300, 10};
    // Degrees per step, counter-clockwise.
    static constexpr Range spinRange{-1.5f, 1.5f, 0.1f};
    // A new generator's particles and velocity (units per step).
    static constexpr int newParticles = 100;
    static constexpr Vector3 newVelocity{1.5f, 0, 0};
    // A generator's aim stands this far beyond its sign's ring per unit of speed, in field units, and takes
    // the pointer within aimRadius of it.
    static constexpr float aimUnitsPerSpeed = 30;
    static constexpr float aimRadius = 8;
    // A generator takes the pointer on its sign's ring and a little beyond, a body on its disc and at least
    // this far from its centre.
    static constexpr float generatorPickRadius = 14;
    static constexpr float smallestBodyPick = 12;
    // Velocities are kept to hundredths of a unit per step.
    static constexpr float velocityGrain = 0.01f;
    // How many earlier states undo can bring back.
    static constexpr std::size_t undoDepth = 200;

    enum class Part
    {
        Nothing,
        Generator,
        Body,
        // The aim of the chosen generator, whose drag sets its velocity.
        Aim
    };
    struct Pick
    {
        Part part = Part::Nothing;
        std::size_t index = 0;
    };
    enum class Property
    {
        Particles,
        Speed,
        Radius,
        Strength,
        Spin
    };

    explicit LevelEditing(LevelDraft draft = LevelDraft());

    const LevelDraft& getDraft() const;

    // What takes the pointer at the point: the chosen generator's aim, then the generators, then the bodies,
    // the last drawn first.
    Pick pickAt(float x, float y) const;
    // Chooses a generator or a body; the aim chooses its generator, Nothing chooses none.
    void choose(Pick pick);
    // A generator or a body, or Nothing.
    Pick getChosen() const;
    // Where the generator's aim stands.
    Vector3 aimOf(std::size_t generator) const;

    // Keeps the level as it stands for undo: the editor calls it as a drag or a spell of typing begins, so
    // that all of it is undone at once. Every other change below keeps it by itself.
    void remember();
    // Each adds at the point and chooses what it added.
    void addGenerator(float x, float y);
    void addBody(std::size_t kind, float x, float y);
    // Moves the chosen generator or body to the point, in whole units within the field.
    void moveChosenTo(float x, float y);
    // Points the chosen generator at the point, its speed told by the distance.
    void aimChosenAt(float x, float y);
    // Steps a value of the chosen thing by that many steps, into its range.
    void stepChosen(Property property, int steps);
    // The chosen body takes the kind's picture, strength and spin.
    void setChosenKind(std::size_t kind);
    void deleteChosen();
    // The caption and the solution, each one line.
    void setTitle(const std::string& title);
    void setHint(const std::string& hint);
    void setSolution(const std::string& solution);

    // Brings back the level as it was before the last change that changed it; false when there is none.
    bool undo();
    // Whether the level differs from the one last marked saved (at first, the one it began with).
    bool isChanged() const;
    void markSaved();

    // The value shown for the chosen thing's property: the speed for Speed, the number in the file otherwise.
    float valueOf(Property property) const;

private:
    Generator* chosenGenerator();
    GravBody* chosenBody();

    LevelDraft draft;
    Pick chosen;
    std::vector<LevelDraft> earlier;
    std::string savedText;
};
