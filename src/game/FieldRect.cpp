#include "game/FieldRect.h"

#include <algorithm>
#include <cmath>

namespace
{
// Columns the disc is cut into to add up its covered area: fine enough to tell shares a percent apart.
constexpr int discColumns = 200;
constexpr float pi = 3.14159265f;
} // namespace

bool FieldRect::overlaps(const FieldRect& other) const
{
    return left < other.right && other.left < right && bottom < other.top && other.bottom < top;
}

float FieldRect::coveredShareOf(float x, float y, float radius) const
{
    if (radius <= 0 || x + radius <= left || x - radius >= right || y + radius <= bottom || y - radius >= top)
        return 0;
    const float width = 2 * radius / discColumns;
    float covered = 0;
    for (int column = 0; column < discColumns; ++column)
    {
        const float columnX = x - radius + (static_cast<float>(column) + 0.5f) * width;
        if (columnX < left || columnX > right)
            continue;
        const float reach = std::sqrt(std::max(0.0f, radius * radius - (columnX - x) * (columnX - x)));
        covered += std::max(0.0f, std::min(top, y + reach) - std::max(bottom, y - reach)) * width;
    }
    return covered / (pi * radius * radius);
}
