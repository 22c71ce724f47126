#pragma once

// Three single-precision floats: positions and velocities in the world, positions, sizes and red-green-
// blue colours in the widgets. Every operation rounds to single precision at each step, which the
// world's step relies on for repeatable flows.
class Vector3
{
public:
    Vector3() = default;
    // Constant, so that layouts and colours can be named at compile time.
    constexpr Vector3(float xValue, float yValue, float zValue) : x(xValue), y(yValue), z(zValue) {}

    Vector3 operator+(const Vector3& other) const;
    Vector3 operator-(const Vector3& other) const;
    Vector3 operator*(float scale) const;

    // The root of the sum of squares, the sum rounded to single precision first.
    float length() const;
    // Divides each component by the length; a vector of length exactly 0 stays as it is.
    void normalise();
    Vector3 normalised() const;

    float x = 0;
    float y = 0;
    float z = 0;
};
