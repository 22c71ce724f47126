#pragma once

#include <cstddef>
#include <string>
#include <type_traits>

// What one frame's picture depends on, written down by everything drawn in it: two frames with equal
// looks draw equal pictures, so the second one need not be drawn at all. A drawer that cannot say what
// its picture depends on marks the look unknown, and an unknown look equals no other.
class PictureLook
{
public:
    void add(const void* bytes, std::size_t count);
    // A plain value as its bytes: a number, a vector, a colour.
    template <typename T, typename = std::enable_if_t<std::is_trivially_copyable_v<T>>>
    void add(const T& value)
    {
        add(&value, sizeof value);
    }
    // The text and its end, so that consecutive texts cannot run into one another.
    void add(const std::string& text);
    void markUnknown();

    bool isKnown() const;
    // Forgets everything written; the look is known again.
    void clear();
    bool operator==(const PictureLook& other) const;
    bool operator!=(const PictureLook& other) const;

private:
    std::string bytes;
    bool known = true;
};
