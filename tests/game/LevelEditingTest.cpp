#include "game/LevelEditing.h"
#include "game/BodyKinds.h"
#include "world/LevelDraft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace
{
using Part = LevelEditing::Part;
using Property = LevelEditing::Property;

// "Generator 2", "Aim 0", "Nothing": a wrong pick reads plainly in a failure.
std::string picked(const LevelEditing& editing, float x, float y)
{
    const LevelEditing::Pick pick = editing.pickAt(x, y);
    const char* const names[] = {"Nothing", "Generator", "Body", "Aim"};
    const std::string name = names[static_cast<int>(pick.part)];
    return pick.part == Part::Nothing ? name : name + " " + std::to_string(pick.index);
}

std::pair<float, float> xy(const Vector3& vector)
{
    return {vector.x, vector.y};
}
} // namespace

// Things overlap in a level: the pointer must get the one drawn on top, a tiny body must still be hittable,
// and the chosen generator's aim must stay reachable wherever it stands, or its velocity could not be
// dragged.
TEST(LevelEditing, PickingTakesTheAimThenTheLastDrawnGeneratorThenTheBodies)
{
    // The first generator's aim stands 14 + 1.5 x 30 units along +x, at (359, 300): on the other two
    // generators and inside both large bodies.
    LevelEditing editing(LevelDraft::parse("GENERATOR 300 300 1.5 0 100\nGENERATOR 359 300 1 0 100\n"
                                           "GENERATOR 365 300 1 0 100\n"
                                           "GRAVBODY 360 300 40 40 ./graphics/planet.png 0\n"
                                           "GRAVBODY 380 300 30 5 ./graphics/asteroid.png 0\n"
                                           "GRAVBODY 100 100 5 5 ./graphics/asteroid.png 0\n"));
    EXPECT_EQ(picked(editing, 359, 300), "Generator 2") << "no aim but the chosen generator's";
    EXPECT_EQ(picked(editing, 370, 320), "Body 1");
    EXPECT_EQ(picked(editing, 360, 339), "Body 0") << "a large body takes its whole disc";
    EXPECT_EQ(picked(editing, 300, 314), "Generator 0");
    EXPECT_EQ(picked(editing, 300, 315), "Nothing");
    EXPECT_EQ(picked(editing, 100, 112), "Body 2");
    EXPECT_EQ(picked(editing, 100, 113), "Nothing");

    editing.choose(editing.pickAt(300, 300));
    EXPECT_EQ(picked(editing, 359, 292), "Aim 0");
    EXPECT_EQ(picked(editing, 359, 291), "Generator 2");
    // Grabbing the aim keeps its generator chosen, so that the drag goes on moving the same aim.
    editing.choose(editing.pickAt(359, 300));
    EXPECT_EQ(picked(editing, 359, 300), "Aim 0");
}

// The game plays records inside the 800 x 600 field, and the file is meant to hold whole units; the pointer
// can be dragged past the edge and lands between units.
TEST(LevelEditing, AddingAndMovingKeepWholeUnitsInsideTheField)
{
    LevelEditing editing;
    editing.addGenerator(-5.4f, 600.6f);
    editing.addBody(1, 799.7f, 12.4f);
    const LevelDraft& draft = editing.getDraft();
    ASSERT_EQ(draft.generators.size(), 1u);
    ASSERT_EQ(draft.bodies.size(), 1u);
    EXPECT_EQ(xy(draft.generators[0].position), std::make_pair(0.0f, 600.0f));
    EXPECT_EQ(xy(draft.generators[0].velocity), xy(LevelEditing::newVelocity));
    EXPECT_EQ(draft.generators[0].remaining, LevelEditing::newParticles);
    const GravBody& body = draft.bodies[0];
    const BodyKind& rock = BodyKinds::all[1];
    EXPECT_EQ(xy(body.position), std::make_pair(800.0f, 12.0f));
    EXPECT_EQ(body.radius, rock.radius);
    EXPECT_EQ(body.strength, rock.strength);
    EXPECT_EQ(body.textureName, rock.picture);
    EXPECT_EQ(body.spin, rock.spin);

    // The body, added last, is what a move takes.
    editing.moveChosenTo(250.5f, -3);
    EXPECT_EQ(xy(body.position), std::make_pair(251.0f, 0.0f));
    editing.choose({Part::Generator, 0});
    editing.moveChosenTo(812, 431.49f);
    EXPECT_EQ(xy(draft.generators[0].position), std::make_pair(800.0f, 431.0f));
    // Just left of the field rounds to -0, which the file must show as 0.
    editing.moveChosenTo(-0.4f, 431);
    EXPECT_EQ(draft.text().rfind("GENERATOR 0 431 ", 0), 0u) << draft.text();
}

// The speed is told by how far beyond the ring the aim is dragged, in tenths, and velocities go to the file
// in hundredths; dropping the aim where aimOf() shows it must leave the velocity as it was.
TEST(LevelEditing, AimingSetsTheDirectionAndASteppedSpeedFromTheDistanceBeyondTheRing)
{
    LevelEditing editing;
    editing.addGenerator(100, 100);
    const Generator& generator = editing.getDraft().generators[0];
    // 1.04 speeds beyond the ring on the diagonal: speed 1, each component 0.7071 kept as 0.71.
    const float reach =
        (LevelEditing::generatorPickRadius + 1.04f * LevelEditing::aimUnitsPerSpeed) / std::sqrt(2.0f);
    editing.aimChosenAt(100 + reach, 100 + reach);
    EXPECT_FLOAT_EQ(generator.velocity.x, 0.71f);
    EXPECT_FLOAT_EQ(generator.velocity.y, 0.71f);
    const Vector3 aim = editing.aimOf(0);
    editing.aimChosenAt(aim.x, aim.y);
    EXPECT_FLOAT_EQ(generator.velocity.x, 0.71f);
    EXPECT_FLOAT_EQ(generator.velocity.y, 0.71f);

    editing.aimChosenAt(700, 100);
    EXPECT_EQ(xy(generator.velocity), std::make_pair(3.0f, 0.0f)) << "the fastest speed";
}

// Stepping past either end of a range must stop exactly at that end, a value shipped levels use, and a value
// written by hand off the step comes back onto it.
TEST(LevelEditing, SteppingStopsAtTheEndsOfEachRangeAndKeepsToItsSteps)
{
    LevelEditing editing(LevelDraft::parse(
        "GENERATOR 100 100 0 -2 100\nGRAVBODY 400 300 40.6 40 ./graphics/planet.png 0.2\n"));
    const GravBody& body = editing.getDraft().bodies[0];
    editing.choose({Part::Body, 0});
    editing.stepChosen(Property::Radius, 1);
    EXPECT_FLOAT_EQ(body.radius, 42);
    editing.stepChosen(Property::Radius, 14);
    EXPECT_EQ(body.radius, 70);
    editing.stepChosen(Property::Radius, -100);
    EXPECT_EQ(body.radius, 20);
    editing.stepChosen(Property::Strength, 26);
    EXPECT_EQ(body.strength, 300);
    editing.stepChosen(Property::Strength, -1000);
    EXPECT_EQ(body.strength, -400);
    editing.stepChosen(Property::Spin, 13);
    EXPECT_FLOAT_EQ(body.spin, 1.5f);
    editing.stepChosen(Property::Spin, -30);
    EXPECT_FLOAT_EQ(editing.valueOf(Property::Spin), -1.5f);
    const std::string bodyStepped = editing.getDraft().text();
    editing.stepChosen(Property::Particles, 1);
    EXPECT_EQ(editing.getDraft().text(), bodyStepped) << "a generator's value, with a body chosen";

    const Generator& generator = editing.getDraft().generators[0];
    editing.choose({Part::Generator, 0});
    editing.stepChosen(Property::Particles, -100);
    EXPECT_EQ(generator.remaining, 25);
    editing.stepChosen(Property::Particles, 45);
    EXPECT_EQ(generator.remaining, 250);
    // The speed steps along the direction the generator already has.
    editing.stepChosen(Property::Speed, 1);
    EXPECT_FLOAT_EQ(generator.velocity.y, -2.1f);
    EXPECT_FLOAT_EQ(editing.valueOf(Property::Speed), 2.1f);
    editing.stepChosen(Property::Speed, 20);
    EXPECT_EQ(xy(generator.velocity), std::make_pair(0.0f, -3.0f));
}

// A kind changes how a body pulls, turns and looks but keeps the size the player gave it; deleting drops the
// chosen one, not a neighbour; and what was edited, captions included, reads back from the text.
TEST(LevelEditing, KindsAndDeletionLeaveALevelThatReadsBackAsEdited)
{
    LevelEditing editing;
    editing.addGenerator(50, 60);
    editing.addGenerator(70, 80);
    editing.addBody(0, 400, 300);
    editing.stepChosen(Property::Radius, 3);
    editing.setChosenKind(3);
    const LevelDraft& draft = editing.getDraft();
    const BodyKind& hole = BodyKinds::all[3];
    EXPECT_EQ(draft.bodies[0].textureName, hole.picture);
    EXPECT_EQ(draft.bodies[0].strength, hole.strength);
    EXPECT_EQ(draft.bodies[0].spin, hole.spin);
    EXPECT_EQ(draft.bodies[0].radius, BodyKinds::all[0].radius + 3 * LevelEditing::radiusRange.step);

    editing.addBody(2, 200, 200);
    editing.choose({Part::Generator, 0});
    editing.deleteChosen();
    editing.deleteChosen();
    ASSERT_EQ(draft.generators.size(), 1u);
    EXPECT_EQ(xy(draft.generators[0].position), std::make_pair(70.0f, 80.0f));
    ASSERT_EQ(draft.bodies.size(), 2u) << "nothing chosen, nothing deleted";
    editing.choose({Part::Body, 1});
    editing.deleteChosen();
    ASSERT_EQ(draft.bodies.size(), 1u);
    EXPECT_EQ(draft.bodies[0].textureName, hole.picture);

    editing.setTitle("Around");
    editing.setHint("Go left");
    editing.setSolution("HEART 1 2");
    const LevelDraft back = LevelDraft::parse(draft.text());
    // The text holds every field of every record, so the same text means the same records.
    EXPECT_EQ(back.text(), draft.text());
    EXPECT_EQ(back.title, "Around");
    EXPECT_EQ(back.hint, "Go left");
    EXPECT_EQ(back.solution, "HEART 1 2");
}

// The steps and the grain are decimals: the file must hold what the player would write, 1.6 or 0.9, and the
// game play those values, not the neighbouring floats that a multiple of an inexact step lands on.
TEST(LevelEditing, SteppedAndAimedValuesAreTheDecimalsTheFileShows)
{
    LevelEditing editing(
        LevelDraft::parse("GENERATOR 100 100 1.5 0 100\nGRAVBODY 400 300 40 40 ./graphics/planet.png 0.2\n"));
    const std::string stepped =
        "GENERATOR 100 100 1.6 0 100\nGRAVBODY 400 300 40 40 ./graphics/planet.png 0.9\n";
    editing.choose({Part::Body, 0});
    editing.stepChosen(Property::Spin, 7);
    editing.choose({Part::Generator, 0});
    editing.stepChosen(Property::Speed, 1);
    EXPECT_EQ(editing.getDraft().text(), stepped);
    editing.stepChosen(Property::Speed, -1);
    editing.aimChosenAt(100 + LevelEditing::generatorPickRadius + 1.6f * LevelEditing::aimUnitsPerSpeed, 100);
    EXPECT_EQ(editing.getDraft().text(), stepped) << "aimed 1.6 speeds beyond the ring";
}

// Undo is how a player recovers from a slip: one change at a time, a whole drag at once, a click that changed
// nothing passed over; and the saved mark follows what the level holds, not how many edits were made.
TEST(LevelEditing, UndoBringsBackOneChangeAtATimeAndTheSavedLevelCountsAsUnchanged)
{
    LevelEditing editing(LevelDraft::parse("GENERATOR 50 300 1.5 0 100\n"));
    EXPECT_FALSE(editing.isChanged());
    EXPECT_FALSE(editing.undo());
    const std::function<void()> changes[] = {[&] { editing.addBody(2, 400, 300); },
                                             [&] { editing.setChosenKind(0); },
                                             [&] { editing.stepChosen(Property::Radius, 1); },
                                             [&] { editing.addGenerator(200, 200); },
                                             [&] { editing.stepChosen(Property::Speed, 1); },
                                             [&] { editing.deleteChosen(); },
                                             [&] { editing.setSolution("HEART 1 2"); }};
    std::vector<std::string> before;
    for (const std::function<void()>& change : changes)
    {
        before.push_back(editing.getDraft().text());
        change();
    }
    EXPECT_TRUE(editing.isChanged());
    editing.markSaved();
    EXPECT_FALSE(editing.isChanged());
    const std::string saved = editing.getDraft().text();

    editing.choose({Part::Body, 0});
    editing.remember();
    editing.moveChosenTo(410, 300);
    editing.moveChosenTo(420, 310);
    editing.remember();
    ASSERT_TRUE(editing.undo());
    EXPECT_EQ(editing.getDraft().text(), saved);
    EXPECT_FALSE(editing.isChanged());
    // Undo may take away what was chosen.
    EXPECT_EQ(editing.getChosen().part, Part::Nothing);
    for (; !before.empty(); before.pop_back())
    {
        ASSERT_TRUE(editing.undo());
        EXPECT_EQ(editing.getDraft().text(), before.back());
    }
    EXPECT_TRUE(editing.isChanged()) << "the saved level is further on";
    EXPECT_FALSE(editing.undo());

    // Past the depth the oldest states go, the newest stay.
    const int many = static_cast<int>(LevelEditing::undoDepth) + 5;
    for (int change = 0; change < many; ++change)
        editing.setSolution(std::to_string(change));
    std::size_t undone = 0;
    while (editing.undo())
        ++undone;
    EXPECT_EQ(undone, LevelEditing::undoDepth);
    EXPECT_EQ(editing.getDraft().solution, std::to_string(many - 1 - static_cast<int>(undone)));
}
