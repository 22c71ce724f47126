#include "game/LevelEditing.h"

#include "game/BodyKinds.h"
#include "world/World.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

namespace
{
// The multiple of the grain nearest the value. A grain below 1 is not exact in binary (0.1f is a little more
// than a tenth), and a multiple of it can miss the decimal it stands for by a bit, which the file would then
// show (1.5999999 for 1.6): such a grain divides by its whole reciprocal instead, giving the float nearest
// the decimal. Adding 0 turns a -0 into the 0 the file should show.
float onGrid(float value, float grain)
{
    const float steps = std::round(value / grain);
    return (grain >= 1 ? steps * grain : steps / std::round(1 / grain)) + 0.0f;
}

float stepped(float value, const LevelEditing::Range& range, int steps)
{
    const float next = onGrid(value + static_cast<float>(steps) * range.step, range.step);
    return std::clamp(next, range.lowest, range.highest);
}

float distance(float x, float y, const Vector3& point)
{
    return std::hypot(x - point.x, y - point.y);
}

// As onGrid, for a point just left of or below the field.
float wholeWithin(float value, int highest)
{
    return std::clamp(std::round(value), 0.0f, static_cast<float>(highest)) + 0.0f;
}

// The velocity of that speed along the direction (along +x for none), kept to the grain.
Vector3 velocityOf(float speed, const Vector3& direction)
{
    const float length = direction.length();
    const float along = length > 0 ? direction.x / length : 1;
    const float across = length > 0 ? direction.y / length : 0;
    const float grain = LevelEditing::velocityGrain;
    return Vector3(onGrid(speed * along, grain), onGrid(speed * across, grain), 0);
}
} // namespace

LevelEditing::LevelEditing(LevelDraft startDraft) : draft(std::move(startDraft)), savedText(draft.text()) {}

const LevelDraft& LevelEditing::getDraft() const
{
    return draft;
}

LevelEditing::Pick LevelEditing::pickAt(float x, float y) const
{
    if (chosen.part == Part::Generator && distance(x, y, aimOf(chosen.index)) <= aimRadius)
        return Pick{Part::Aim, chosen.index};
    for (std::size_t index = draft.generators.size(); index-- > 0;)
        if (distance(x, y, draft.generators[index].position) <= generatorPickRadius)
            return Pick{Part::Generator, index};
    for (std::size_t index = draft.bodies.size(); index-- > 0;)
    {
        const GravBody& body = draft.bodies[index];
        if (distance(x, y, body.position) <= std::max(body.radius, smallestBodyPick))
            return Pick{Part::Body, index};
    }
    return Pick{};
}

void LevelEditing::choose(Pick pick)
{
    chosen = pick.part == Part::Aim ? Pick{Part::Generator, pick.index} : pick;
}

LevelEditing::Pick LevelEditing::getChosen() const
{
    return chosen;
}

Vector3 LevelEditing::aimOf(std::size_t generator) const
{
    assert(generator < draft.generators.size());
    const Generator& shown = draft.generators[generator];
    const float speed = shown.velocity.length();
    const Vector3 direction = speed > 0 ? shown.velocity * (1 / speed) : Vector3(1, 0, 0);
    return shown.position + direction * (generatorPickRadius + speed * aimUnitsPerSpeed);
}

void LevelEditing::remember()
{
    earlier.push_back(draft);
    if (earlier.size() > undoDepth)
        earlier.erase(earlier.begin());
}

void LevelEditing::addGenerator(float x, float y)
{
    remember();
    Generator added;
    added.position = Vector3(wholeWithin(x, World::fieldWidth), wholeWithin(y, World::fieldHeight), 0);
    added.velocity = newVelocity;
    added.remaining = newParticles;
    draft.generators.push_back(added);
    chosen = Pick{Part::Generator, draft.generators.size() - 1};
}

void LevelEditing::addBody(std::size_t kind, float x, float y)
{
    assert(kind < BodyKinds::count);
    remember();
    const BodyKind& made = BodyKinds::all[kind];
    draft.bodies.emplace_back(
        Vector3(wholeWithin(x, World::fieldWidth), wholeWithin(y, World::fieldHeight), 0), made.radius,
        made.strength, made.picture, made.spin);
    chosen = Pick{Part::Body, draft.bodies.size() - 1};
}

void LevelEditing::moveChosenTo(float x, float y)
{
    const Vector3 place(wholeWithin(x, World::fieldWidth), wholeWithin(y, World::fieldHeight), 0);
    if (Generator* generator = chosenGenerator())
        generator->position = place;
    else if (GravBody* body = chosenBody())
        body->position = place;
}

void LevelEditing::aimChosenAt(float x, float y)
{
    Generator* generator = chosenGenerator();
    if (!generator)
        return;
    const Vector3 towards(x - generator->position.x, y - generator->position.y, 0);
    const float reach = std::max(0.0f, towards.length() - generatorPickRadius) / aimUnitsPerSpeed;
    const float speed = std::clamp(onGrid(reach, speedRange.step), speedRange.lowest, speedRange.highest);
    generator->velocity = velocityOf(speed, towards);
}

void LevelEditing::stepChosen(Property property, int steps)
{
    Generator* generator = chosenGenerator();
    GravBody* body = chosenBody();
    const bool generatorValue = property == Property::Particles || property == Property::Speed;
    if (generatorValue ? !generator : !body)
        return;
    remember();
    switch (property)
    {
    case Property::Particles:
        generator->remaining =
            static_cast<int>(stepped(static_cast<float>(generator->remaining), particleRange, steps));
        break;
    case Property::Speed:
        generator->velocity =
            velocityOf(stepped(generator->velocity.length(), speedRange, steps), generator->velocity);
        break;
    case Property::Radius:
        body->radius = stepped(body->radius, radiusRange, steps);
        break;
    case Property::Strength:
        body->strength = stepped(body->strength, strengthRange, steps);
        break;
    case Property::Spin:
        body->spin = stepped(body->spin, spinRange, steps);
        break;
    }
}

void LevelEditing::setChosenKind(std::size_t kind)
{
    assert(kind < BodyKinds::count);
    GravBody* body = chosenBody();
    if (!body)
        return;
    remember();
    const BodyKind& taken = BodyKinds::all[kind];
    body->textureName = taken.picture;
    body->strength = taken.strength;
    body->spin = taken.spin;
}

void LevelEditing::deleteChosen()
{
    if (chosen.part == Part::Nothing)
        return;
    remember();
    if (chosen.part == Part::Generator)
        draft.generators.erase(draft.generators.begin() + static_cast<std::ptrdiff_t>(chosen.index));
    else
        draft.bodies.erase(draft.bodies.begin() + static_cast<std::ptrdiff_t>(chosen.index));
    chosen = Pick{};
}

void LevelEditing::setTitle(const std::string& title)
{
    draft.title = title;
}

void LevelEditing::setHint(const std::string& hint)
{
    draft.hint = hint;
}

void LevelEditing::setSolution(const std::string& solution)
{
    remember();
    draft.solution = solution;
}

// A state kept by remember() that nothing changed afterwards (a click that did not drag) is passed over.
bool LevelEditing::undo()
{
    const std::string now = draft.text();
    while (!earlier.empty() && earlier.back().text() == now)
        earlier.pop_back();
    if (earlier.empty())
        return false;
    draft = std::move(earlier.back());
    earlier.pop_back();
    chosen = Pick{};
    return true;
}

bool LevelEditing::isChanged() const
{
    return draft.text() != savedText;
}

void LevelEditing::markSaved()
{
    savedText = draft.text();
}

float LevelEditing::valueOf(Property property) const
{
    const Generator* generator = chosen.part == Part::Generator ? &draft.generators[chosen.index] : nullptr;
    const GravBody* body = chosen.part == Part::Body ? &draft.bodies[chosen.index] : nullptr;
    switch (property)
    {
    case Property::Particles:
        return generator ? static_cast<float>(generator->remaining) : 0;
    case Property::Speed:
        return generator ? generator->velocity.length() : 0;
    case Property::Radius:
        return body ? body->radius : 0;
    case Property::Strength:
        return body ? body->strength : 0;
    case Property::Spin:
        return body ? body->spin : 0;
    }
    return 0;
}

Generator* LevelEditing::chosenGenerator()
{
    return chosen.part == Part::Generator ? &draft.generators[chosen.index] : nullptr;
}

GravBody* LevelEditing::chosenBody()
{
    return chosen.part == Part::Body ? &draft.bodies[chosen.index] : nullptr;
}
