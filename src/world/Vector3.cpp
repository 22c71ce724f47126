#include "world/Vector3.h"

#include <cmath>

Vector3 Vector3::operator+(const Vector3& other) const
{
    return Vector3(x + other.x, y + other.y, z + other.z);
}

Vector3 Vector3::operator-(const Vector3& other) const
{
    return Vector3(x - other.x, y - other.y, z - other.z);
}

Vector3 Vector3::operator*(float scale) const
{
    return Vector3(x * scale, y * scale, z * scale);
}

float Vector3::length() const
{
    const float sumOfSquares = x * x + y * y + z * z;
    return std::sqrt(sumOfSquares);
}

void Vector3::normalise()
{
    const float size = length();
    if (size == 0)
        return;
    x /= size;
    y /= size;
    z /= size;
}

Vector3 Vector3::normalised() const
{
    Vector3 copy = *this;
    copy.normalise();
    return copy;
}
