#include "engine/Handle.h"
#include "world/GravBody.h"
#include "world/Vector3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(GravBody, ACopyIsANewObjectWithItsOwnAngle)
{
    Handle<GravBody> held(new GravBody(Vector3(1, 2, 0), 20, 150, "./graphics/lightheart.png", 3));
    Handle<GravBody> again = held;
    ASSERT_EQ(held->getRefCount(), 2);

    std::vector<GravBody> bodies;
    bodies.push_back(*held);
    EXPECT_EQ(bodies[0].getRefCount(), 0) << "no handle holds the copy";
    EXPECT_EQ(held->getRefCount(), 2);
    EXPECT_EQ(bodies[0].textureName, "./graphics/lightheart.png");
    EXPECT_EQ(bodies[0].spin, 3);

    bodies[0].angle = 45;
    EXPECT_EQ(held->angle, 0);
    *held = bodies[0];
    EXPECT_EQ(held->angle, 45);
    EXPECT_EQ(held->getRefCount(), 2) << "assignment keeps the object's own count";
    EXPECT_FALSE(held->isPlanet());
    EXPECT_TRUE(GravBody(Vector3(), 1, 1, "./graphics/planet.png", 0).isPlanet());
}

TEST(Vector3, OperationsWorkComponentByComponentAndNormaliseSafely)
{
    const Vector3 zero;
    EXPECT_EQ(zero.x, 0);
    EXPECT_EQ(zero.y, 0);
    EXPECT_EQ(zero.z, 0);

    const Vector3 a(3, -4, 12);
    const Vector3 sum = a + Vector3(1, 1, 1);
    const Vector3 difference = a - Vector3(1, 1, 1);
    const Vector3 scaled = a * -0.5f;
    EXPECT_EQ(sum.y, -3);
    EXPECT_EQ(difference.z, 11);
    EXPECT_EQ(scaled.x, -1.5f);
    EXPECT_EQ(a.length(), 13);

    const Vector3 unit = a.normalised();
    EXPECT_EQ(unit.x, 3.0f / 13.0f);
    EXPECT_EQ(unit.z, 12.0f / 13.0f);
    EXPECT_EQ(a.x, 3) << "the copy is normalised, not the original";

    Vector3 nothing;
    nothing.normalise();
    EXPECT_EQ(nothing.x, 0);
    EXPECT_FALSE(std::isnan(zero.normalised().y));
}
