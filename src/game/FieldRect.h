#pragma once

// A rectangle of the field in units, y up: what a line of text, a panel or a sign covers.
struct FieldRect
{
    float left = 0;
    float bottom = 0;
    float right = 0;
    float top = 0;

    // Whether the two share more than an edge.
    bool overlaps(const FieldRect& other) const;
    // The share, from 0 to 1, of the disc about (x, y) that lies inside; 0 for a disc of no radius.
    float coveredShareOf(float x, float y, float radius) const;
};
